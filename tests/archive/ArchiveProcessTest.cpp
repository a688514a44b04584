// Imports in other processes: one killed in the middle of its transaction
// leaves the archive exactly as before; two importing the same overlapping
// recordings at once, in opposite orders, leave every recording in once and
// the archive whole.
#include "ArchiveFixture.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace archive_test;

namespace {

const int64_t kOrigin = jst(2025, 3, 1, 0, 0);

std::vector<StationSummary> stationsOf(const std::string& path) {
  std::string error;
  auto archive = StationArchive::open(path, ArchiveAccess::ReadOnly, error);
  EXPECT_TRUE(archive) << error;
  std::vector<StationSummary> out;
  if (archive) {
    EXPECT_TRUE(archive->stations(out, error)) << error;
  }
  return out;
}

bool integrityOk(const std::string& path) {
  std::string error;
  auto archive = StationArchive::open(path, ArchiveAccess::ReadOnly, error);
  std::vector<std::string> report;
  return archive && archive->integrityCheck(report, error) && report == std::vector<std::string>{"ok"};
}

}  // namespace

TEST(ArchiveProcesses, ImportKilledMidTransactionLeavesTheArchiveAsBefore) {
  TempDir dir;
  const std::string path = dir.file("station.hyarc");
  const auto first = piece(kOrigin, 0, 30000);
  const auto second = piece(kOrigin, 20000, 59872);
  {
    std::string error;
    auto archive = StationArchive::open(path, ArchiveAccess::ReadWrite, error);
    ASSERT_TRUE(archive) << error;
    ASSERT_EQ(archive->importRecording(request(*first)).status, ImportStatus::Imported);
  }
  const std::vector<int32_t> before = [&] {
    std::string error;
    auto archive = StationArchive::open(path, ArchiveAccess::ReadOnly, error);
    return allSlots(*archive, "STATION", kOrigin, kOrigin + 600LL * 80000);
  }();

  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(ready[0]);
    std::string error;
    auto archive = StationArchive::open(path, ArchiveAccess::ReadWrite, error);
    ImportRequest r = request(*second);
    // Half the new slots written, still inside the transaction: say so and
    // wait to be killed.
    r.progress = [&](int written) {
      if (written < 16384) return;
      const char byte = 'x';
      if (write(ready[1], &byte, 1) != 1) _exit(3);
      for (;;) pause();
    };
    archive->importRecording(r);
    _exit(2);  // never reached when killed
  }
  close(ready[1]);
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1) << "the importer ended before writing half";
  close(ready[0]);
  kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));

  const auto stations = stationsOf(path);
  ASSERT_EQ(stations.size(), 1u);
  EXPECT_EQ(stations[0].recordings.size(), 1u);
  EXPECT_EQ(stations[0].slotCount, 30000);
  {
    std::string error;
    auto archive = StationArchive::open(path, ArchiveAccess::ReadOnly, error);
    ASSERT_TRUE(archive) << error;
    EXPECT_EQ(allSlots(*archive, "STATION", kOrigin, kOrigin + 600LL * 80000), before);
  }
  EXPECT_TRUE(integrityOk(path));
  // The interrupted file is no "already imported": it goes in whole now.
  std::string error;
  auto archive = StationArchive::open(path, ArchiveAccess::ReadWrite, error);
  ASSERT_TRUE(archive) << error;
  const ImportResult again = archive->importRecording(request(*second));
  EXPECT_EQ(again.status, ImportStatus::Imported);
  EXPECT_EQ(again.newSlots, 59872 - 10000);
}

TEST(ArchiveProcesses, TwoImportersAtOnceNeitherCorruptsNorDuplicates) {
  TempDir dir;
  const std::string path = dir.file("station.hyarc");
  // Five overlapping recordings with gaps between some, as successive
  // downloads give them; neither importer creates the archive first.
  std::vector<std::unique_ptr<RecordingBuffer>> pieces;
  for (int k = 0; k < 5; ++k) pieces.push_back(piece(kOrigin, k * 12000 + (k % 2) * 500, 14000));
  int go[2];
  ASSERT_EQ(pipe(go), 0);
  std::vector<pid_t> children;
  for (int order = 0; order < 2; ++order) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(go[1]);
      char byte = 0;
      if (read(go[0], &byte, 1) != 0) _exit(4);  // both start when the pipe closes
      std::string error;
      auto archive = StationArchive::open(path, ArchiveAccess::ReadWrite, error);
      if (!archive) _exit(5);
      for (int i = 0; i < 5; ++i) {
        const auto& rec = *pieces[static_cast<size_t>(order == 0 ? i : 4 - i)];
        const ImportStatus s = archive->importRecording(request(rec)).status;
        if (s != ImportStatus::Imported && s != ImportStatus::AlreadyImported) _exit(10 + static_cast<int>(s));
      }
      _exit(0);
    }
    children.push_back(child);
  }
  close(go[0]);
  close(go[1]);
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "exit " << WEXITSTATUS(status);
  }
  const auto stations = stationsOf(path);
  ASSERT_EQ(stations.size(), 1u);
  EXPECT_EQ(stations[0].recordings.size(), 5u);
  int64_t held = 0;
  for (const RecordingSummary& r : stations[0].recordings) held += r.slotsHeld;
  EXPECT_EQ(held, stations[0].slotCount);
  // Slots 0 .. 4 * 12000 + 14000: the odd pieces start 500 late, which the
  // even ones before them cover.
  EXPECT_EQ(stations[0].slotCount, 4 * 12000 + 14000);
  EXPECT_EQ(stations[0].missingCount, 0);
  EXPECT_TRUE(integrityOk(path));
}
