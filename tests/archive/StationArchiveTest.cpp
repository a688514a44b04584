// The import rules on a real archive file: overlapping recordings and a gap,
// the same file twice, conflicts with and without replace, a recording whose
// series cannot be built; a yearly sheet across two recordings; damaged,
// foreign and newer archives refused and left as they were; a read-only
// archive read.
#include "ArchiveFixture.h"
#include "DailyYearTable.h"
#include "TableGrid.h"
#include "TableSnapshot.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <sys/stat.h>

using namespace archive_test;

namespace {

const int64_t kOrigin = jst(2024, 7, 1, 0, 0);

std::unique_ptr<StationArchive> openArchive(const std::string& path, ArchiveAccess access = ArchiveAccess::ReadWrite) {
  std::string error;
  auto archive = StationArchive::open(path, access, error);
  EXPECT_TRUE(archive) << error;
  return archive;
}

std::string refusal(const std::string& path, ArchiveAccess access) {
  std::string error;
  EXPECT_FALSE(StationArchive::open(path, access, error)) << path;
  return error;
}

StationSummary onlyStation(const StationArchive& archive) {
  std::vector<StationSummary> stations;
  std::string error;
  EXPECT_TRUE(archive.stations(stations, error)) << error;
  EXPECT_EQ(stations.size(), 1u);
  return stations.empty() ? StationSummary{} : stations.front();
}

// Runs SQL on an archive as another program would.
void runSql(const std::string& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

}  // namespace

TEST(StationArchive, ThreeOverlappingRecordingsAndAGapKeepEachSlotOnce) {
  TempDir dir;
  const std::string path = dir.file("station.hyarc");
  auto archive = openArchive(path);
  ASSERT_TRUE(archive);
  // A: slots 0..999; B: 800..1799; C: 2000..2999. Slot 1000, right after A,
  // has rain: were A's closing 0 stored there, B would conflict.
  ASSERT_NE(trueWord(1000), 0);
  const auto a = piece(kOrigin, 0, 1000);
  const auto b = piece(kOrigin, 800, 1000);
  const auto c = piece(kOrigin, 2000, 1000);
  const ImportResult ra = archive->importRecording(request(*a));
  EXPECT_EQ(ra.status, ImportStatus::Imported);
  EXPECT_EQ(ra.station, "STATION");
  EXPECT_EQ(ra.newSlots, 1000);
  EXPECT_EQ(allSlots(*archive, "STATION", kOrigin + 600 * 1000, kOrigin + 600 * 1001),
            std::vector<int32_t>{SlotRun::kMissing});
  const ImportResult rc = archive->importRecording(request(*c));
  const ImportResult rb = archive->importRecording(request(*b));
  ASSERT_EQ(rb.status, ImportStatus::Imported);
  EXPECT_EQ(rb.newSlots, 800);
  EXPECT_EQ(rb.equalSlots, 200);
  EXPECT_EQ(rc.newSlots, 1000);

  const StationSummary s = onlyStation(*archive);
  EXPECT_EQ(s.firstSlot, kOrigin);
  EXPECT_EQ(s.lastSlot, kOrigin + 600 * 2999);
  EXPECT_EQ(s.slotCount, 2800);
  EXPECT_EQ(s.missingCount, 200);
  ASSERT_EQ(s.recordings.size(), 3u);
  EXPECT_EQ(s.recordings[0].slotsHeld, 1000);  // A keeps the overlap: it came first
  EXPECT_EQ(s.recordings[1].slotsHeld, 1000);  // C
  EXPECT_EQ(s.recordings[2].slotsHeld, 800);   // B
  EXPECT_EQ(s.recordings[2].startTime, kOrigin + 600 * 800);
  EXPECT_EQ(s.recordings[2].sampleCount, 1000);
  EXPECT_EQ(s.recordings[2].versionWord, 0x1001);
  EXPECT_EQ(s.recordings[2].dataName, "STATION");

  // Every slot as the true rain has it, the gap missing, and a span reaching
  // past both ends missing there too.
  const auto slots = allSlots(*archive, "STATION", kOrigin - 600 * 2, kOrigin + 600 * 3002);
  ASSERT_EQ(slots.size(), 3004u);
  for (int k = -2; k < 3002; ++k) {
    const bool held = k >= 0 && k < 3000 && (k < 1800 || k >= 2000);
    const int32_t expected = held ? 5 * trueWord(k) : SlotRun::kMissing;
    ASSERT_EQ(slots[static_cast<size_t>(k + 2)], expected) << k;
  }
}

TEST(StationArchive, SameFileTwiceAndConflictsWithAndWithoutReplace) {
  TempDir dir;
  const std::string path = dir.file("a.hyarc");
  auto archive = openArchive(path);
  ASSERT_TRUE(archive);
  const auto a = piece(kOrigin, 0, 1000);
  ASSERT_EQ(archive->importRecording(request(*a)).status, ImportStatus::Imported);
  const ImportResult again = archive->importRecording(request(*a));
  EXPECT_EQ(again.status, ImportStatus::AlreadyImported);
  EXPECT_EQ(again.recordingId, 1);
  EXPECT_EQ(onlyStation(*archive).recordings.size(), 1u);

  // D overlaps A's last 500 slots and runs 500 further; 7 of the overlap differ.
  auto d = piece(kOrigin, 500, 1000);
  for (int i : {450, 10, 20, 30, 40, 50, 499}) d->samples[i] = static_cast<uint16_t>(d->samples[i] + 9);
  const auto before = allSlots(*archive, "STATION", kOrigin, kOrigin + 600 * 1500);
  const ImportResult refused = archive->importRecording(request(*d));
  ASSERT_EQ(refused.status, ImportStatus::Conflict);
  EXPECT_EQ(refused.conflictCount, 7);
  ASSERT_EQ(refused.conflicts.size(), kConflictsReported);
  EXPECT_EQ(refused.conflicts[0].slotTime, kOrigin + 600 * 510);
  EXPECT_EQ(refused.conflicts[0].archivedTenths, 5 * trueWord(510));
  EXPECT_EQ(refused.conflicts[0].incomingTenths, 5 * (trueWord(510) + 9));
  EXPECT_EQ(refused.conflicts[4].slotTime, kOrigin + 600 * 550);
  // Nothing of D went in: not its new slots, not its recording.
  EXPECT_EQ(allSlots(*archive, "STATION", kOrigin, kOrigin + 600 * 1500), before);
  EXPECT_EQ(onlyStation(*archive).recordings.size(), 1u);

  const ImportResult replaced = archive->importRecording(request(*d, true));
  ASSERT_EQ(replaced.status, ImportStatus::Imported);
  EXPECT_EQ(replaced.replacedSlots, 7);
  EXPECT_EQ(replaced.equalSlots, 493);
  EXPECT_EQ(replaced.newSlots, 500);
  const auto after = allSlots(*archive, "STATION", kOrigin, kOrigin + 600 * 1500);
  for (int k = 0; k < 1500; ++k) {
    const int32_t expected = k < 500 ? 5 * trueWord(k) : 5 * d->samples[k - 500];
    ASSERT_EQ(after[static_cast<size_t>(k)], expected) << k;
  }
  const StationSummary s = onlyStation(*archive);
  ASSERT_EQ(s.recordings.size(), 2u);
  EXPECT_EQ(s.recordings[1].replacedSlots, 7);
  EXPECT_EQ(s.recordings[1].slotsHeld, 507);
  EXPECT_EQ(s.recordings[0].slotsHeld, 993);

  // A recording whose series cannot be built, and one with no name and no
  // station given, change nothing.
  auto wrongInterval = piece(kOrigin, 5000, 10);
  std::memcpy(wrongInterval->intervalText, "00060", 5);
  EXPECT_EQ(archive->importRecording(request(*wrongInterval)).status, ImportStatus::SeriesRefused);
  auto nameless = piece(kOrigin, 5000, 10);
  std::memset(nameless->dataName, 0, sizeof nameless->dataName);
  EXPECT_EQ(archive->importRecording(request(*nameless)).status, ImportStatus::NoStation);
  ImportRequest named = request(*nameless);
  named.station = "屋上";
  EXPECT_EQ(archive->importRecording(named).status, ImportStatus::Imported);
  std::vector<StationSummary> stations;
  std::string error;
  ASSERT_TRUE(archive->stations(stations, error));
  ASSERT_EQ(stations.size(), 2u);
  EXPECT_EQ(stations[0].slotCount + stations[1].slotCount, 1500 + 10);
}

TEST(StationArchive, YearAcrossTwoRecordingsIsOneSheet) {
  TempDir dir;
  auto archive = openArchive(dir.file("year.hyarc"));
  ASSERT_TRUE(archive);
  // 2024 from 1 January: the first recording ends 1 July 04:00, the second
  // starts 1 July 10:00 and runs into 2025.
  const int64_t origin = jst(2024, 1, 1, 0, 0);
  const int julyFirst = static_cast<int>((jst(2024, 7, 1, 0, 0) - origin) / 600);
  const auto first = piece(origin, 0, julyFirst + 24);
  const auto second = piece(origin, julyFirst + 60, 59000);
  ASSERT_EQ(archive->importRecording(request(*first)).status, ImportStatus::Imported);
  ASSERT_EQ(archive->importRecording(request(*second)).status, ImportStatus::Imported);
  std::string error;
  const auto station = archive->station("STATION", error);
  ASSERT_TRUE(station);
  const auto run = archive->slotRun(station->id, jst(2024, 1, 1, 0, 0), jst(2025, 1, 1, 0, 0), error);
  ASSERT_TRUE(run);
  const auto snap = makeSlotTableSnapshot(*run, TableKind::DailyYear, 2024, 1, "STATION");
  ASSERT_TRUE(snap);
  ASSERT_EQ(snap->values.size(), 366u);

  auto dayMm = [&](int month, int day) {
    const int first = static_cast<int>((jst(2024, month, day, 0, 0) - origin) / 600);
    int sum = 0;
    for (int k = first; k < first + 144; ++k) sum += 5 * trueWord(k);
    return sum;
  };
  auto text = [](int tenths) { return tableCellText(tenths / 10.0); };
  const TableGrid grid{100, 200, 1176, 50, 13, 32};
  const auto cells = grid.cells(buildDailyYearTable(*snap, ReportRect{100, 1000, 2900, 2760}, 30));
  EXPECT_EQ(TableGrid::at(cells, 1, 1), text(dayMm(1, 1)));
  EXPECT_EQ(TableGrid::at(cells, 6, 30), text(dayMm(6, 30)));  // the first recording
  EXPECT_EQ(TableGrid::at(cells, 7, 1), "-");                  // the gap
  EXPECT_EQ(TableGrid::at(cells, 7, 2), text(dayMm(7, 2)));    // the second recording
  EXPECT_EQ(TableGrid::at(cells, 12, 31), text(dayMm(12, 31)));
  int july = 0;
  for (int d = 2; d <= 31; ++d) july += dayMm(7, d);
  EXPECT_EQ(TableGrid::at(cells, 7, 32), text(july));  // July's total without the missing day
  int firsts = 0;
  for (int m = 1; m <= 12; ++m) firsts += m == 7 ? 0 : dayMm(m, 1);
  EXPECT_EQ(TableGrid::at(cells, 13, 1), text(firsts));
}

TEST(StationArchive, DamagedForeignAndNewerArchivesAreRefusedAndLeftAsTheyWere) {
  TempDir dir;
  const std::string good = dir.file("good.hyarc");
  {
    auto archive = openArchive(good);
    ASSERT_TRUE(archive);
    ASSERT_EQ(archive->importRecording(request(*piece(kOrigin, 0, 20000))).status, ImportStatus::Imported);
  }
  const std::string bytes = fileBytes(good);
  ASSERT_GT(bytes.size(), 100000u);

  struct Case {
    std::string name;
    std::string content;
    const char* why;
  };
  std::vector<Case> cases = {
      {"truncated.hyarc", bytes.substr(0, bytes.size() / 2), "damaged"},
      {"cut-in-a-page.hyarc", bytes.substr(0, bytes.size() - 100), "damaged"},
      {"text.hyarc", "station,slot,rain\n1,2,3\n", "not an archive"},
      {"header-only.hyarc", bytes.substr(0, 60), "damaged"},
  };
  const std::string foreign = dir.file("foreign.hyarc");
  runSql(foreign, "CREATE TABLE notes (id INTEGER PRIMARY KEY, body TEXT); INSERT INTO notes VALUES (1, 'x');");
  const std::string newer = dir.file("newer.hyarc");
  writeBytes(newer, bytes);
  runSql(newer, "UPDATE archive_meta SET meta_value = '9' WHERE meta_key = 'schema_version'");
  // A version before the first layout: no migration leads from it, and the
  // migration's transaction leaves it as it was.
  const std::string unknown = dir.file("unknown.hyarc");
  writeBytes(unknown, bytes);
  runSql(unknown, "UPDATE archive_meta SET meta_value = '0' WHERE meta_key = 'schema_version'");
  for (const Case& c : cases) writeBytes(dir.file(c.name), c.content);
  cases.push_back({"foreign.hyarc", fileBytes(foreign), "not a station archive"});
  cases.push_back({"newer.hyarc", fileBytes(newer), "newer version"});
  cases.push_back({"unknown.hyarc", fileBytes(unknown), "schema version (0)"});

  for (const Case& c : cases) {
    const std::string path = dir.file(c.name);
    for (ArchiveAccess access : {ArchiveAccess::ReadOnly, ArchiveAccess::ReadWrite}) {
      const std::string error = refusal(path, access);
      EXPECT_NE(error.find(c.why), std::string::npos) << c.name << ": " << error;
      EXPECT_NE(error.find(path), std::string::npos) << error;
      EXPECT_EQ(fileBytes(path), c.content) << c.name;
      EXPECT_FALSE(std::filesystem::exists(path + "-wal")) << c.name;
    }
  }
  // The original still opens, and an absent archive is made only for writing.
  EXPECT_TRUE(openArchive(good, ArchiveAccess::ReadOnly));
  EXPECT_NE(refusal(dir.file("absent.hyarc"), ArchiveAccess::ReadOnly).find("no such file"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.file("absent.hyarc")));
}

TEST(StationArchive, ReadOnlyArchiveIsReadAndChecked) {
  TempDir dir;
  const std::filesystem::path folder = dir.path() / "ro";
  std::filesystem::create_directory(folder);
  const std::string path = (folder / "station.hyarc").string();
  {
    auto archive = openArchive(path);
    ASSERT_TRUE(archive);
    ASSERT_EQ(archive->importRecording(request(*piece(kOrigin, 0, 3000))).status, ImportStatus::Imported);
  }
  const std::string bytes = fileBytes(path);
  chmod(path.c_str(), 0444);
  chmod(folder.c_str(), 0555);
  {
    auto archive = openArchive(path, ArchiveAccess::ReadOnly);
    ASSERT_TRUE(archive);
    EXPECT_EQ(onlyStation(*archive).slotCount, 3000);
    EXPECT_EQ(allSlots(*archive, "STATION", kOrigin, kOrigin + 600 * 3)[2], 5 * trueWord(2));
    std::vector<std::string> report;
    std::string error;
    ASSERT_TRUE(archive->integrityCheck(report, error)) << error;
    EXPECT_EQ(report, std::vector<std::string>{"ok"});
  }
  chmod(folder.c_str(), 0755);
  chmod(path.c_str(), 0644);
  EXPECT_EQ(fileBytes(path), bytes);
}
