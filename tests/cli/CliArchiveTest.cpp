// hyetoscope-cli archive run as a process on bundled and generated
// recordings: import with overlaps, a gap, a repeat, a conflict with and
// without --replace and refused files among good ones; list; export against
// the export of the recording itself and with missing slots (text and ISO);
// a yearly sheet across two recordings; check on a good and a damaged
// archive.
#include "CliRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {
const std::string kSamples = HY_SAMPLES_DIR;
const std::string kLong = kSamples + "/long-2024-0.5mm.hyy";
const std::string kShort = kSamples + "/short-2026-06-0.5mm.hyy";
const std::string kTenth = kSamples + "/tenth-2025-09-0.1mm.hyy";

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// A recording of the generator's station "GEN" from 2025-01-01: samples
// first.. of one seed's rain, so pieces of the same seed overlap alike.
std::string generate(const TempDir& dir, const std::string& name, int first, int count, int seed = 5) {
  const std::string path = dir.file(name);
  const CliResult r = runProgram("hy-generate", {"--out", path, "--start", "2025-01-01 00:00", "--samples",
                                                 std::to_string(count), "--skip", std::to_string(first), "--seed",
                                                 std::to_string(seed), "--name", "GEN"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  return path;
}
}  // namespace

TEST(CliArchive, ImportOverlapsGapsRepeatsConflictsAndRefusedFiles) {
  TempDir dir;
  const std::string db = dir.file("stations.hyarc");
  // 2025-01-01 .. : A 0..29999, B 25000..54999 (overlap), C 56000..70000 (a gap of 1000).
  const std::string a = generate(dir, "a.hyy", 0, 30000);
  const std::string b = generate(dir, "b.hyy", 25000, 30000);
  const std::string c = generate(dir, "c.hyy", 56000, 14000);
  const std::string damaged = dir.file("damaged.hyy");
  std::ofstream(damaged, std::ios::binary) << readWholeFile(kShort).substr(0, 700);
  // A whole file whose record interval is 60 s: it loads, but has no series.
  const std::string minutes = dir.file("minutes.hyy");
  std::string bytes = readWholeFile(kShort);
  bytes.replace(38, 5, "00060");
  std::ofstream(minutes, std::ios::binary) << bytes;

  CliResult r = runCli({"archive", "import", "--db", db, kLong, kShort, kTenth, a, damaged, minutes, b, c});
  EXPECT_EQ(r.exitCode, 2) << r.err;
  EXPECT_TRUE(contains(r.out, b + ": imported into 'GEN': 25000 new slots, 5000 already held")) << r.out;
  EXPECT_TRUE(contains(r.err, damaged)) << r.err;
  EXPECT_TRUE(contains(r.err, "記録ﾃﾞｰﾀ " + minutes + " の記録間隔が600秒ではありません。")) << r.err;
  EXPECT_TRUE(contains(r.err, "archive import: 2 of 8 files refused; the others went in")) << r.err;

  r = runCli({"archive", "import", "--db", db, a, kLong});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, a + ": already imported (station 'GEN')\n" + kLong + ": already imported (station 'ﾃﾙｶ 観測所')\n");

  r = runCli({"archive", "list", "--db", db});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(contains(r.out, "station 'GEN'\n  slots 2025/01/01 00:00 - 2026/05/02 02:30: 69000 held, 1000 missing\n"))
      << r.out;
  EXPECT_TRUE(contains(r.out, "station 'ﾃﾙｶ 観測所'\n  slots 2024/01/01 00:00 - 2025/02/13 17:10: 59000 held, 0 missing"))
      << r.out;
  EXPECT_TRUE(contains(r.out, "station 'ﾃﾙｶ 0.1mm'")) << r.out;

  // Another seed over B's end disagrees wherever it rained differently.
  const std::string other = generate(dir, "other.hyy", 54000, 2000, 99);
  const std::string before = runCli({"archive", "export", "--db", db, "--station", "GEN", "-i", "10min"}).out;
  r = runCli({"archive", "import", "--db", db, other});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(contains(r.err, other + ": not imported: ")) << r.err;
  EXPECT_TRUE(contains(r.err, "mm, file ")) << r.err;
  EXPECT_TRUE(contains(r.err, "--replace takes the file's values")) << r.err;
  EXPECT_EQ(runCli({"archive", "export", "--db", db, "--station", "GEN", "-i", "10min"}).out, before);
  r = runCli({"archive", "import", "--db", db, "--replace", other});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(contains(r.out, "replaced")) << r.out;
  r = runCli({"archive", "list", "--db", db});
  EXPECT_TRUE(contains(r.out, "slots 2025/01/01 00:00 - 2026/05/02 02:30: 70000 held, 0 missing")) << r.out;
  EXPECT_TRUE(contains(r.out, " replaced, imported ")) << r.out;

  r = runCli({"archive", "check", "--db", db});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "ok\n");
}

TEST(CliArchive, ExportMatchesTheRecordingsOwnAndLeavesMissingValuesEmpty) {
  TempDir dir;
  const std::string db = dir.file("long.hyarc");
  ASSERT_EQ(runCli({"archive", "import", "--db", db, kLong}).exitCode, 0);
  // The whole station against the export of its one recording: the same
  // lines, but the last interval, which the recording fills only in part,
  // has no value here (and the ten-minute export's closing 0 is no sample).
  for (const char* interval : {"10min", "hour", "day", "month"}) {
    const CliResult own = runCli({"export", "-i", interval, kLong});
    const CliResult archived = runCli({"archive", "export", "--db", db, "--station", "ﾃﾙｶ 観測所", "-i", interval});
    ASSERT_EQ(archived.exitCode, 0) << archived.err;
    const auto ownLines = lines(own.out);
    auto archivedLines = lines(archived.out);
    const bool tenMinute = std::string(interval) == "10min";
    ASSERT_EQ(archivedLines.size() + (tenMinute ? 1 : 0), ownLines.size()) << interval;
    for (size_t i = 0; i + 1 < archivedLines.size(); ++i) ASSERT_EQ(archivedLines[i], ownLines[i]) << interval << i;
    const std::string last = archivedLines.back();
    const std::string& ownLast = ownLines[archivedLines.size() - 1];
    EXPECT_EQ(last, tenMinute ? ownLast : ownLast.substr(0, last.size())) << interval;
    EXPECT_EQ(last.back() == ',', !tenMinute) << interval;
  }

  // A gap: two pieces of one seed, 2025-01-01 00:00 .. 05:00 and from 06:20.
  const std::string gaps = dir.file("gaps.hyarc");
  ASSERT_EQ(runCli({"archive", "import", "--db", gaps, generate(dir, "p.hyy", 0, 30),
                    generate(dir, "q.hyy", 38, 30)})
                .exitCode,
            0);
  const std::vector<std::string> range{"archive", "export", "--db", gaps, "--station", "GEN", "--from",
                                       "2025-01-01 04:00", "--to", "2025-01-01 08:00"};
  CliResult r = runCli(range);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  auto text = lines(r.out);
  ASSERT_EQ(text.size(), 4u);
  EXPECT_NE(text[0], "\"2025/01/01  5:00\",");
  EXPECT_EQ(text[1], "\"2025/01/01  6:00\",");
  EXPECT_EQ(text[2], "\"2025/01/01  7:00\",");
  EXPECT_NE(text[3], "\"2025/01/01  8:00\",");
  std::vector<std::string> iso = range;
  iso.push_back("--iso");
  r = runCli(iso);
  text = lines(r.out);
  ASSERT_EQ(text.size(), 5u);
  EXPECT_EQ(text[0], "start,end,rain_mm,missing");
  EXPECT_EQ(text[2], "2025-01-01T05:00:00+09:00,2025-01-01T06:00:00+09:00,,6");
  EXPECT_EQ(text[3], "2025-01-01T06:00:00+09:00,2025-01-01T07:00:00+09:00,,2");
  EXPECT_EQ(text[4].substr(text[4].size() - 2), ",0");

  r = runCli({"archive", "export", "--db", gaps, "--station", "NOBODY"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(contains(r.err, "has no station 'NOBODY'")) << r.err;
  r = runCli({"archive", "export", "--db", gaps});
  EXPECT_EQ(r.exitCode, 1);
}

TEST(CliArchive, YearlySheetAcrossTwoRecordingsAndDamagedArchives) {
  TempDir dir;
  const std::string db = dir.file("year.hyarc");
  // 2025: the first recording to 20 June, the second from 21 June on.
  ASSERT_EQ(runCli({"archive", "import", "--db", db, generate(dir, "h1.hyy", 0, 24480),
                    generate(dir, "h2.hyy", 24624, 35000)})
                .exitCode,
            0);
  const std::string pdf = dir.file("2025.pdf");
  CliResult r = runCli({"archive", "table", "--db", db, "--station", "GEN", "--year", "2025", "-o", pdf});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(readWholeFile(pdf).substr(0, 5), "%PDF-");
  r = runCli({"archive", "table", "--db", db, "--station", "GEN", "--year", "2031", "-o", dir.file("x.pdf")});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(contains(r.err, "holds no slot in 2031")) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.pdf")));

  const std::string bytes = readWholeFile(db);
  const std::string cut = dir.file("cut.hyarc");
  std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 3);
  for (const char* action : {"list", "check", "import"}) {
    std::vector<std::string> args{"archive", action, "--db", cut};
    if (std::string(action) == "import") args.push_back(kShort);
    r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << action;
    EXPECT_TRUE(contains(r.err, "archive " + cut + ": the file is damaged")) << r.err;
  }
  EXPECT_EQ(readWholeFile(cut), bytes.substr(0, bytes.size() / 3));
}

namespace {
struct Maximum {
  std::string mm, end;
};
// maxima CSV lines as (period,duration) -> (max_mm, window_end).
std::map<std::string, Maximum> maximaByKey(const std::string& csv) {
  std::map<std::string, Maximum> out;
  for (const std::string& line : lines(csv)) {
    std::vector<std::string> f;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) f.push_back(field);
    f.resize(4);
    out[f[0] + "," + f[1]] = {f[2], f[3]};
  }
  return out;
}
}  // namespace

TEST(CliArchive, MaximaAndEventsOverTheWholeArchive) {
  TempDir dir;
  // One recording: the archive's analysis is the recording's, byte for byte.
  const std::string whole = dir.file("whole.hyarc");
  ASSERT_EQ(runCli({"archive", "import", "--db", whole, "--note", "ridge, 120 m", kLong}).exitCode, 0);
  EXPECT_TRUE(contains(runCli({"archive", "list", "--db", whole}).out, "station 'ﾃﾙｶ 観測所'\n  note: ridge, 120 m\n"));
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"maxima", "--by", "month"}, {"maxima", "--format", "json"},
        {"events", "--gap", "90min", "--alarm-hourly", "10", "--alarm-combined", "50,10"}}) {
    std::vector<std::string> own = options, archived{"archive", options[0], "--db", whole, "--station", "ﾃﾙｶ 観測所"};
    own.push_back(kLong);
    archived.insert(archived.end(), options.begin() + 1, options.end());
    const CliResult a = runCli(archived);
    ASSERT_EQ(a.exitCode, 0) << a.err;
    EXPECT_EQ(a.out, runCli(own).out) << options[0];
  }

  // A storm from sample 52000 and the slots 52100..52105 (2025-12-28
  // 19:20-20:10) missing: each side's own maxima are the archive's, as no
  // window may reach over the gap; an event stops at it, flagged.
  const std::string db = dir.file("gap.hyarc");
  const auto piece = [&](const std::string& name, int skip, int count) {
    const std::string path = dir.file(name);
    const CliResult r = runProgram("hy-generate", {"--out", path, "--start", "2025-01-01 00:00", "--samples",
                                                   std::to_string(count), "--skip", std::to_string(skip), "--seed",
                                                   "7", "--name", "GEN", "--storm-at", "52000"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return path;
  };
  const std::string before = piece("before.hyy", 0, 52100), after = piece("after.hyy", 52106, 30000);
  ASSERT_EQ(runCli({"archive", "import", "--db", db, before, after}).exitCode, 0);
  const CliResult archived = runCli({"archive", "maxima", "--db", db, "--station", "GEN", "--by", "year"});
  ASSERT_EQ(archived.exitCode, 0) << archived.err;
  const auto got = maximaByKey(archived.out);
  const auto first = maximaByKey(runCli({"maxima", "--by", "year", before}).out);
  const auto second = maximaByKey(runCli({"maxima", "--by", "year", after}).out);
  ASSERT_TRUE(got.count("2025,72h") && got.count("2026,72h")) << archived.out;
  for (const auto& [key, value] : got) {
    if (key == "period,duration") continue;
    const Maximum a = first.count(key) ? first.at(key) : Maximum{};
    const Maximum b = second.count(key) ? second.at(key) : Maximum{};
    const bool takeB = a.mm.empty() || (!b.mm.empty() && std::stod(b.mm) > std::stod(a.mm) + 1e-9);
    const Maximum& expected = takeB ? b : a;
    EXPECT_EQ(value.mm, expected.mm) << key;
    EXPECT_EQ(value.end, expected.end) << key;
  }

  const CliResult events = runCli({"archive", "events", "--db", db, "--station", "GEN", "--gap", "1h"});
  ASSERT_EQ(events.exitCode, 0) << events.err;
  const std::string gapStart = "2025-12-28T19:20:00+09:00", gapEnd = "2025-12-28T20:20:00+09:00";
  int flagged = 0;
  for (const std::string& line : lines(events.out)) {
    const std::string start = line.substr(0, 25), end = line.substr(26, 25);
    EXPECT_FALSE(start < gapStart && end > gapEnd) << "bridges the gap: " << line;
    const bool beside = (end <= gapStart && end > "2025-12-28T18:20") || (start >= gapEnd && start < "2025-12-28T21:20");
    if (beside) {
      EXPECT_TRUE(contains(line, ",gap")) << line;
      ++flagged;
    }
  }
  EXPECT_EQ(flagged, 2) << events.out;
}
