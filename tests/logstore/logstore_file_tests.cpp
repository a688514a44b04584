// The data-file library: files written through the writer calls load into
// the image exactly; damaged files are refused without touching the image;
// nothing is ever left half-written.
#include "CLogstore1App.h"
#include "TempDir.h"
#include "TestClock.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using namespace logstore;
namespace fs = std::filesystem;

namespace {


std::vector<unsigned char> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

uint16_t u16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
int32_t i32(const unsigned char* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// Writes a file the way the download does (count before version word).
bool writeFile(const std::string& path, const char* name, int32_t start, uint16_t version,
               const std::vector<uint16_t>& samples) {
  CLogstore1App store;
  if (!store.FOpen(path.c_str(), 'B', 'W')) return false;
  store.StartSetParameter();
  store.SetChannel(1, name);
  store.SetDate1(start);
  store.SetRecordInterval(600);
  store.SetUnit(13);
  store.SetMachineCode(0x1071);
  store.SetSampleNum(static_cast<unsigned long>(samples.size()));
  store.SetVersionInfo(version);
  store.SetRawData(static_cast<unsigned long>(samples.size()), samples.data());
  store.SaveChannel();
  return store.Close('B') == 1;
}

std::vector<std::string> folderEntries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  return names;
}

struct Image {
  std::unique_ptr<unsigned char[]> bytes{new unsigned char[kImageSize]};
  Image() { std::memset(bytes.get(), 0xAB, kImageSize); }
  bool untouched() const {
    for (int i = 0; i < kImageSize; ++i)
      if (bytes[i] != 0xAB) return false;
    return true;
  }
};

}  // namespace

class LogstoreFiles : public ::testing::Test {
 protected:
  TempDir dir;
  Image image;
};

TEST_F(LogstoreFiles, RoundTripFillsTheImageLayoutForBothSampleSteps) {
  for (uint16_t version : {uint16_t{0x1001}, uint16_t{0x2001}}) {
    std::vector<uint16_t> samples = {0, 1, 0x07FF, 0x0FFF, 0xF123, 42};
    std::string path = dir.file("r.hyy");
    int32_t start = jst(2024, 2, 29, 23, 50);
    ASSERT_TRUE(writeFile(path, "ﾃﾙｶ", start, version, samples));
    CLogstore1App store;
    ASSERT_EQ(store.BfileToBuff(path.c_str(), image.bytes.get()), 1);
    const unsigned char* b = image.bytes.get();
    EXPECT_STREQ(reinterpret_cast<const char*>(b + kOffName), "ﾃﾙｶ");
    EXPECT_EQ(i32(b + kOffStartTime), start);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + kOffInterval), 5), "00600");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + kOffSampleCount), 5), "00006");
    EXPECT_EQ(u16(b + kOffVersion), version);
    EXPECT_EQ(b[kOffUnit], 13);
    EXPECT_EQ(i32(b + kOffMachineCode), 0x1071);
    for (size_t k = 0; k < samples.size(); ++k) EXPECT_EQ(u16(b + kHeaderSize + 2 * k), samples[k]) << k;
    // Behind the samples nothing of an earlier image remains.
    for (int i = kHeaderSize + 12; i < kImageSize; ++i) ASSERT_EQ(b[i], 0) << i;
  }
}

TEST_F(LogstoreFiles, FullImageLoadsAndOneSampleMoreIsNeverWritten) {
  std::vector<uint16_t> full(kMaxSamples, 3);
  full.back() = 0x0ABC;
  std::string path = dir.file("full.hyy");
  ASSERT_TRUE(writeFile(path, "X", 0, 0x1001, full));
  EXPECT_EQ(fs::file_size(path), static_cast<uintmax_t>(kImageSize));
  CLogstore1App store;
  ASSERT_EQ(store.BfileToBuff(path.c_str(), image.bytes.get()), 1);
  EXPECT_EQ(u16(image.bytes.get() + kImageSize - 2), 0x0ABC);

  std::vector<uint16_t> tooMany(kMaxSamples + 1, 1);
  EXPECT_FALSE(writeFile(dir.file("over.hyy"), "X", 0, 0x1001, tooMany));
  EXPECT_FALSE(fs::exists(dir.file("over.hyy")));
}

TEST_F(LogstoreFiles, EmptyRecordingLoads) {
  std::string path = dir.file("empty.hyy");
  ASSERT_TRUE(writeFile(path, "", 0, 0x1001, {}));
  CLogstore1App store;
  EXPECT_EQ(store.BfileToBuff(path.c_str(), image.bytes.get()), 1);
  EXPECT_EQ(fs::file_size(path), static_cast<uintmax_t>(kHeaderSize));
}

TEST_F(LogstoreFiles, DamagedFilesAreRefusedAndLeaveTheImageAlone) {
  std::string good = dir.file("good.hyy");
  ASSERT_TRUE(writeFile(good, "G", 0, 0x1001, {1, 2, 3, 4}));
  const std::vector<unsigned char> bytes = readBytes(good);

  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
    LoadError error;
  };
  std::vector<Case> cases;
  cases.push_back({"header cut short", {bytes.begin(), bytes.begin() + 100}, LoadError::TooShort});
  cases.push_back({"last sample cut off", {bytes.begin(), bytes.end() - 1}, LoadError::SizeMismatch});
  cases.push_back({"whole sample missing", {bytes.begin(), bytes.end() - 2}, LoadError::SizeMismatch});
  auto longer = bytes;
  longer.push_back(0);
  longer.push_back(0);
  cases.push_back({"bytes beyond the samples", longer, LoadError::SizeMismatch});
  auto promises = bytes;
  std::memcpy(promises.data() + kOffSampleCount, "00009", 5);
  cases.push_back({"count promises more than the file holds", promises, LoadError::SizeMismatch});
  auto garbage = bytes;
  std::memcpy(garbage.data() + kOffSampleCount, "x0004", 5);
  cases.push_back({"count is not a number", garbage, LoadError::BadCount});
  auto huge = bytes;
  std::memcpy(huge.data() + kOffSampleCount, "99999", 5);
  cases.push_back({"count beyond the image", huge, LoadError::CountTooLarge});
  std::vector<unsigned char> oversized(kImageSize + 2, 0);
  std::memcpy(oversized.data() + kOffSampleCount, "59873", 5);
  cases.push_back({"larger than an image", oversized, LoadError::TooLong});

  for (const Case& c : cases) {
    std::string path = dir.file("bad.hyy");
    writeBytes(path, c.bytes);
    CLogstore1App store;
    EXPECT_EQ(store.BfileToBuff(path.c_str(), image.bytes.get()), 0) << c.what;
    EXPECT_EQ(store.lastError(), c.error) << c.what;
    EXPECT_TRUE(image.untouched()) << c.what;
  }

  CLogstore1App store;
  EXPECT_EQ(store.BfileToBuff(dir.file("missing.hyy").c_str(), image.bytes.get()), 0);
  EXPECT_EQ(store.lastError(), LoadError::CannotOpen);
  EXPECT_EQ(store.BfileToBuff(dir.path().c_str(), image.bytes.get()), 0);
  EXPECT_TRUE(image.untouched());
}

TEST_F(LogstoreFiles, CountWithLeadingBlanksIsRead) {
  std::string path = dir.file("blanks.hyy");
  ASSERT_TRUE(writeFile(path, "B", 0, 0x1001, {7, 8}));
  auto bytes = readBytes(path);
  std::memcpy(bytes.data() + kOffSampleCount, "    2", 5);
  writeBytes(path, bytes);
  CLogstore1App store;
  EXPECT_EQ(store.BfileToBuff(path.c_str(), image.bytes.get()), 1);
}

TEST_F(LogstoreFiles, WriterLeavesNothingUntilCloseAndNothingWhenAbandoned) {
  std::string path = dir.file("new.hyy");
  {
    CLogstore1App store;
    ASSERT_EQ(store.FOpen(path.c_str(), 'B', 'W'), 1);
    std::vector<uint16_t> s = {1, 2};
    store.SetSampleNum(2);
    store.SetRawData(2, s.data());
    ASSERT_EQ(store.SaveChannel(), 1);
    EXPECT_FALSE(fs::exists(path));
    // Destroyed without Close.
  }
  EXPECT_TRUE(folderEntries(dir.path()).empty());

  CLogstore1App store;
  EXPECT_EQ(store.FOpen(dir.file("no-such-folder/x.hyy").c_str(), 'B', 'W'), 0);
  EXPECT_EQ(store.FOpen(path.c_str(), 'T', 'W'), 0);

  // Fewer samples handed over than the count promises: no file.
  ASSERT_EQ(store.FOpen(path.c_str(), 'B', 'W'), 1);
  std::vector<uint16_t> one = {1};
  store.SetSampleNum(3);
  store.SetRawData(1, one.data());
  EXPECT_EQ(store.SaveChannel(), 0);
  EXPECT_EQ(store.Close('B'), 0);
  EXPECT_TRUE(folderEntries(dir.path()).empty());
}

TEST_F(LogstoreFiles, RewritingAFileReplacesItWholeAndKeepsItsPermissions) {
  std::string path = dir.file("keep.hyy");
  ASSERT_TRUE(writeFile(path, "OLD", 0, 0x1001, {1, 1, 1}));
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(writeFile(path, "NEW", 600, 0x1001, {2}));
  CLogstore1App store;
  ASSERT_EQ(store.BfileToBuff(path.c_str(), image.bytes.get()), 1);
  EXPECT_STREQ(reinterpret_cast<const char*>(image.bytes.get() + kOffName), "NEW");
  EXPECT_EQ(fs::file_size(path), static_cast<uintmax_t>(kHeaderSize + 2));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folderEntries(dir.path()).size(), 1u);
}

TEST_F(LogstoreFiles, SaveStartTimeChangesOnlyTimeAndName) {
  std::string path = dir.file("patch.hyy");
  ASSERT_TRUE(writeFile(path, "ORIGINAL-NAME-XYZ-0123456789", jst(2025, 1, 1, 0, 0), 0x2001, {5, 6, 7}));
  auto before = readBytes(path);
  CLogstore1App store;
  int32_t newStart = jst(2025, 3, 4, 5, 6, 7);
  ASSERT_EQ(store.SaveStartTime(path.c_str(), newStart, "A-NAME-LONGER-THAN-16"), 1);
  auto after = readBytes(path);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(i32(after.data() + kOffStartTime), newStart);
  // At most 16 bytes of the name are kept; the rest of the field is cleared.
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(after.data() + kOffName)), "A-NAME-LONGER-TH");
  for (int i = kOffName + 16; i < kOffName + kNameFieldSize; ++i) EXPECT_EQ(after[i], 0);
  for (size_t i = 0; i < after.size(); ++i) {
    if (i >= static_cast<size_t>(kOffName) && i < static_cast<size_t>(kOffStartTime + 4)) continue;
    ASSERT_EQ(after[i], before[i]) << "byte " << i;
  }
  EXPECT_EQ(folderEntries(dir.path()).size(), 1u);
}

TEST_F(LogstoreFiles, SaveStartTimeOnADamagedOrMissingFileChangesNothing) {
  std::string path = dir.file("short.hyy");
  ASSERT_TRUE(writeFile(path, "S", 0, 0x1001, {1, 2}));
  auto bytes = readBytes(path);
  bytes.pop_back();
  writeBytes(path, bytes);
  CLogstore1App store;
  EXPECT_EQ(store.SaveStartTime(path.c_str(), 1234, "X"), 0);
  EXPECT_EQ(readBytes(path), bytes);
  EXPECT_EQ(store.SaveStartTime(dir.file("missing.hyy").c_str(), 1234, "X"), 0);
  EXPECT_FALSE(fs::exists(dir.file("missing.hyy")));
  EXPECT_EQ(folderEntries(dir.path()).size(), 1u);
}

TEST_F(LogstoreFiles, TextCopyHasOneLocalTimeLinePerSample) {
  std::string path = dir.file("t.hyy");
  ASSERT_TRUE(writeFile(path, "T", jst(2024, 12, 31, 23, 50), 0x1001, {3, 0x1004}));
  CLogstore1App store;
  ASSERT_EQ(store.WriteText(path.c_str(), dir.file("t.txt").c_str(), ";"), 1);
  auto text = readBytes(dir.file("t.txt"));
  EXPECT_EQ(std::string(text.begin(), text.end()), "2024/12/31 23:50:00;1.5\n2025/01/01 00:00:00;2.0\n");

  std::string tenth = dir.file("tenth.hyy");
  ASSERT_TRUE(writeFile(tenth, "T", jst(2024, 1, 1, 0, 0), 0x2001, {0x0FFF}));
  ASSERT_EQ(store.WriteText(tenth.c_str(), dir.file("tenth.txt").c_str(), ","), 1);
  text = readBytes(dir.file("tenth.txt"));
  EXPECT_EQ(std::string(text.begin(), text.end()), "2024/01/01 00:00:00,204.7\n");

  EXPECT_EQ(store.WriteText(dir.file("missing.hyy").c_str(), dir.file("m.txt").c_str(), ";"), 0);
  EXPECT_FALSE(fs::exists(dir.file("m.txt")));
}

TEST_F(LogstoreFiles, FileDeleteRemovesTheFile) {
  std::string path = dir.file("d.hyy");
  ASSERT_TRUE(writeFile(path, "D", 0, 0x1001, {1}));
  CLogstore1App store;
  EXPECT_EQ(store.FileDelete(path.c_str()), 1);
  EXPECT_FALSE(fs::exists(path));
}

TEST(LogstoreChooser, FileNameGoesThroughTheInstalledChooser) {
  CLogstore1App store;
  CLogstore1App::SetFileChooser(nullptr);
  EXPECT_EQ(store.GetFileName(kModeBinary, kPurposeOpen), "ER");

  std::vector<ChooserPurpose> asked;
  CLogstore1App::SetFileChooser([&](ChooserPurpose p) {
    asked.push_back(p);
    return p == ChooserPurpose::Open ? std::string("/data/in.hyy") : std::string("/data/out.hyy");
  });
  EXPECT_EQ(store.GetFileName(0x42, 0x4F50), "/data/in.hyy");
  EXPECT_EQ(store.GetFileName(0x42, 0x5356), "/data/out.hyy");
  EXPECT_EQ(store.GetFileName(0x42, 0x1234), "ER");
  EXPECT_EQ(store.GetFileName(0x57, 0x4F50), "ER");
  EXPECT_EQ(asked, (std::vector<ChooserPurpose>{ChooserPurpose::Open, ChooserPurpose::Save}));

  CLogstore1App::SetFileChooser([](ChooserPurpose) { return std::string(); });
  EXPECT_EQ(store.GetFileName(kModeBinary, kPurposeSave), "ER");
  CLogstore1App::SetFileChooser(nullptr);
}

// A download names the whole receive area (blocks x 4096) as the block size;
// only the counted samples may be read. The samples end right before a page
// that cannot be read, so one word too many crashes the test.
TEST_F(LogstoreFiles, RawDataReadsOnlyTheCountedSamplesWhateverBlockSizeIsNamed) {
  const long page = sysconf(_SC_PAGESIZE);
  void* area = mmap(nullptr, static_cast<size_t>(2 * page), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(area, MAP_FAILED);
  ASSERT_EQ(mprotect(static_cast<char*>(area) + page, static_cast<size_t>(page), PROT_NONE), 0);
  auto* samples = reinterpret_cast<uint16_t*>(static_cast<char*>(area) + page) - 3;
  samples[0] = 7;
  samples[1] = 8;
  samples[2] = 9;
  std::string path = dir.file("three.hyy");
  {
    CLogstore1App store;
    ASSERT_EQ(store.FOpen(path.c_str(), 'B', 'W'), 1);
    store.SetSampleNum(3);
    store.SetRawData(30 * 4096, samples);
    ASSERT_EQ(store.SaveChannel(), 1);
    ASSERT_EQ(store.Close('B'), 1);
  }
  munmap(area, static_cast<size_t>(2 * page));
  CLogstore1App store;
  ASSERT_EQ(store.BfileToBuff(path.c_str(), image.bytes.get()), 1);
  EXPECT_EQ(image.bytes[kHeaderSize + 4], 9);
  EXPECT_EQ(fs::file_size(path), static_cast<uintmax_t>(kHeaderSize + 6));
}
