// The simulated logger's behaviour without a terminal: replies, state
// changes and faults, checked with the program's own decoders.
#include "CLogstore1App.h"
#include "CommandFrames.h"
#include "LoggerDevice.h"
#include "RainGenerator.h"
#include "Replies.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace device;

namespace {

using Bytes = std::vector<uint8_t>;

template <size_t N>
std::vector<LoggerReply> feed(LoggerDevice& d, const std::array<uint8_t, N>& bytes, int64_t now = 0) {
  return d.receive(bytes.data(), bytes.size(), now);
}

std::vector<LoggerReply> feedByte(LoggerDevice& d, uint8_t b, int64_t now = 0) { return d.receive(&b, 1, now); }

LoggerDevice sampleDevice(size_t samples) {
  LoggerSettings s;
  std::memcpy(s.name.data(), "FIELD-1", 7);
  s.thresholdHour = 40;
  LoggerRecording r;
  r.startTime = 1750000000;
  r.elapsed = static_cast<uint32_t>(samples * 600 + 42);
  for (size_t i = 0; i < samples; ++i) r.samples.push_back(static_cast<uint16_t>(i % 50));
  return LoggerDevice(s, r);
}

TEST(LoggerDevice, RomRecordPassesTheProgramsCheckAndCarriesTheSettings) {
  LoggerDevice d = sampleDevice(10);
  auto replies = feed(d, romRequestFrame());
  ASSERT_EQ(replies.size(), 1u);
  ASSERT_EQ(replies[0].bytes.size(), 67u);
  RomRecord rom{};
  EXPECT_EQ(TKGetROM(replies[0].bytes.data(), &rom), 1);
  RomFields f = romFields(rom);
  EXPECT_EQ(f.deviceName, "FIELD-1");
  EXPECT_EQ(thresholdText(f.thresholdHour), "20");
  EXPECT_EQ(f.displayMask, 7);
}

TEST(LoggerDevice, SettingFramesChangeItsStateAndBadFramesAreIgnored) {
  LoggerDevice d = sampleDevice(0);
  EXPECT_TRUE(feed(d, thresholdFrame(kCmdThresholdHour, 25)).empty());
  feed(d, thresholdFrame(kCmdThresholdDay, 9999));
  feed(d, thresholdFrame(kCmdThresholdStart, 0));
  feed(d, buzzerFrame(true));
  feed(d, displayFrame(2));
  feed(d, resetHoursFrame(300));
  CommandFrame broken = buzzerFrame(false);
  broken[5] ^= 1;
  feed(d, broken);
  const LoggerSettings& s = d.settings();
  EXPECT_EQ(s.thresholdHour, 50);
  EXPECT_EQ(s.thresholdDay, 19998);
  EXPECT_EQ(s.thresholdStart, 0);
  EXPECT_EQ(s.buzzer, 1) << "the broken frame changed nothing";
  EXPECT_EQ(s.displayMask, 2);
  EXPECT_EQ(s.resetHours, 300);
  EXPECT_EQ(d.counters().settingFrames, 6);
  EXPECT_EQ(d.counters().rejected, 1);
}

TEST(LoggerDevice, FramesSplitAcrossReadsAndStrayBytes) {
  LoggerDevice d = sampleDevice(3);
  CommandFrame probe = probeFrame();
  std::vector<LoggerReply> replies;
  feedByte(d, 0x00);  // lead-in
  feedByte(d, 0x99);  // noise
  for (uint8_t b : probe)
    for (auto& r : feedByte(d, b)) replies.push_back(r);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_TRUE(isValidProbeReply(replies[0].bytes.data()));
  EXPECT_EQ(d.counters().leadIns, 1);
  EXPECT_EQ(d.counters().rejected, 1);
}

TEST(LoggerDevice, AbandonedHalfFrameDoesNotSwallowTheNextCommand) {
  LoggerDevice d = sampleDevice(3);
  CommandFrame rom = romRequestFrame();
  d.receive(rom.data(), 3, 0);
  d.abandonPartialFrame();
  feedByte(d, kLeadInByte);
  auto replies = feed(d, probeFrame());
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_TRUE(isValidProbeReply(replies[0].bytes.data()));
  EXPECT_EQ(d.counters().leadIns, 1);
  EXPECT_EQ(d.counters().rejected, 1);
}

TEST(LoggerDevice, BlocksFollowTheBaseDataAndStartAgainWithIt) {
  LoggerDevice d = sampleDevice(2100);
  auto base = feed(d, baseDataFrame(0));
  ASSERT_EQ(base.size(), 1u);
  BaseDataRecord rec{};
  TKGetBaseData(0, base[0].bytes.data(), &rec);
  EXPECT_EQ(rec.count, 2100u);
  EXPECT_EQ(firstSampleTime(rec, 0), 1750000000);

  Bytes second;
  for (int k = 0; k < 3; ++k) {
    auto r = feedByte(d, kBlockRequest);
    ASSERT_EQ(r.size(), 1u);
    ASSERT_EQ(r[0].bytes.size(), 4096u);
    if (k == 1) second = r[0].bytes;
  }
  // Block 1: samples 2048..2099, then zeros.
  EXPECT_EQ(second[0], 2048 % 50);
  EXPECT_EQ(second[2 * 51], 2099 % 50);
  EXPECT_EQ(second[2 * 52], 0);
  feed(d, baseDataFrame(0x2001));
  auto again = feedByte(d, kBlockRequest);
  EXPECT_EQ(again[0].bytes[2], 1) << "block 0 again after a new base data";
}

TEST(LoggerDevice, StartRecordErasesAndRecordsByTheClock) {
  LoggerDevice d = sampleDevice(500);
  const int64_t start = 1760000000;
  auto record = startRecord("NEW", static_cast<uint32_t>(start), 0);
  d.receive(record->data(), record->size(), start);
  EXPECT_EQ(d.counters().startRecords, 1);
  EXPECT_EQ(romFields([&] {
              RomRecord rom{};
              TKGetROM(d.romRecord().data(), &rom);
              return rom;
            }()).deviceName,
            "NEW");

  auto base = feed(d, baseDataFrame(0), start + 1300);
  BaseDataRecord rec{};
  TKGetBaseData(0, base[0].bytes.data(), &rec);
  EXPECT_EQ(rec.count, 2u);
  EXPECT_EQ(rec.elapsed, 1300u);
  EXPECT_EQ(rec.startTime, static_cast<uint32_t>(start));
  EXPECT_EQ(firstSampleTime(rec, 0), start);

  // A reserved start an hour ahead: nothing recorded yet.
  auto reserved = startRecord("", static_cast<uint32_t>(start + 3600), 3600);
  (*reserved)[31] ^= 0xFF;  // damaged: ignored
  d.receive(reserved->data(), reserved->size(), start + 1300);
  EXPECT_EQ(d.counters().startRecords, 1);
  reserved = startRecord("", static_cast<uint32_t>(start + 3600), 3600);
  d.receive(reserved->data(), reserved->size(), start + 1300);
  base = feed(d, baseDataFrame(0), start + 1400);
  TKGetBaseData(0, base[0].bytes.data(), &rec);
  EXPECT_EQ(rec.count, 0u);
  EXPECT_EQ(rec.elapsed, 0u);
}

TEST(LoggerDevice, EachFaultAltersOnlyItsReply) {
  LoggerDevice d = sampleDevice(5000);
  LoggerFaults f;
  f.wrongRomChecksum = true;
  f.shortBaseData = 10;
  f.shortBlock = 1;
  f.shortBlockBytes = 1000;
  f.dropAfterBlock = 2;
  f.probeDelayMs = 700;
  d.setFaults(f);
  RomRecord rom{};
  EXPECT_EQ(TKGetROM(feed(d, romRequestFrame())[0].bytes.data(), &rom), 0);
  EXPECT_EQ(feed(d, baseDataFrame(0))[0].bytes.size(), 10u);
  auto b0 = feedByte(d, kBlockRequest);
  auto b1 = feedByte(d, kBlockRequest);
  auto b2 = feedByte(d, kBlockRequest);
  EXPECT_EQ(b0[0].bytes.size(), 4096u);
  EXPECT_FALSE(b0[0].hangUpAfter);
  EXPECT_EQ(b1[0].bytes.size(), 1000u);
  EXPECT_EQ(b2[0].bytes.size(), 4096u);
  EXPECT_TRUE(b2[0].hangUpAfter);
  auto probe = feed(d, probeFrame());
  EXPECT_EQ(probe[0].delayMs, 700);
  EXPECT_TRUE(isValidProbeReply(probe[0].bytes.data()));

  LoggerFaults g;
  g.garbageBytes = 5;
  d.setFaults(g);
  Bytes withNoise = feed(d, probeFrame())[0].bytes;
  ASSERT_EQ(withNoise.size(), 11u);
  EXPECT_TRUE(isValidProbeReply(withNoise.data() + 5));
  EXPECT_FALSE(isValidProbeReply(withNoise.data()));

  LoggerFaults silent;
  silent.noAnswer = true;
  d.setFaults(silent);
  EXPECT_TRUE(feed(d, romRequestFrame()).empty());
  EXPECT_TRUE(feedByte(d, kBlockRequest).empty());
  feed(d, displayFrame(1));
  EXPECT_EQ(d.settings().displayMask, 1) << "a silent logger still takes its settings";
}

TEST(LoggerDevice, LoadsARecordingFromADataFile) {
  const std::string path = HY_SAMPLES_DIR "/tenth-2025-09-0.1mm.hyy";
  LoggerSettings s;
  LoggerRecording r;
  std::string error;
  ASSERT_TRUE(loadHyyRecording(path, s, r, &error)) << error;
  auto image = std::make_unique<unsigned char[]>(logstore::kImageSize);
  logstore::CLogstore1App store;
  ASSERT_EQ(store.BfileToBuff(path.c_str(), image.get()), 1);
  long count = logstore::parseFiveDigitField(image.get() + logstore::kOffSampleCount);
  ASSERT_GT(count, 0);
  EXPECT_EQ(r.samples.size(), static_cast<size_t>(count));
  EXPECT_EQ(s.modelWord, 0x2001);
  int32_t start;
  std::memcpy(&start, image.get() + logstore::kOffStartTime, 4);
  EXPECT_EQ(r.startTime, static_cast<uint32_t>(start));
  const unsigned char* last = image.get() + logstore::kHeaderSize + 2 * (count - 1);
  EXPECT_EQ(r.samples.back(), last[0] | last[1] << 8);

  EXPECT_FALSE(loadHyyRecording(HY_SAMPLES_DIR "/missing.hyy", s, r, &error));
  EXPECT_FALSE(error.empty());
}

TEST(LoggerDevice, ServesAGeneratedRecording) {
  RainGeneratorOptions options;
  options.startTime = 1750000200;
  options.sampleCount = 3000;
  options.tenthMillimetre = true;
  options.seed = 11;
  LoggerSettings s;
  LoggerRecording r;
  generatedRecording(options, s, r);
  ASSERT_EQ(r.samples.size(), 3000u);
  EXPECT_EQ(s.modelWord, kTenthModelWord);
  LoggerDevice d(s, r);
  auto base = feed(d, baseDataFrame(s.modelWord));
  BaseDataRecord rec{};
  TKGetBaseData(0, base[0].bytes.data(), &rec);
  EXPECT_EQ(firstSampleTime(rec, 0), options.startTime);
  Bytes words;
  for (int k = 0; k < blockCount(rec.count); ++k) {
    auto b = feedByte(d, kBlockRequest);
    words.insert(words.end(), b[0].bytes.begin(), b[0].bytes.end());
  }
  for (size_t i = 0; i < r.samples.size(); ++i)
    ASSERT_EQ(words[2 * i] | words[2 * i + 1] << 8, r.samples[i]) << i;
}

}  // namespace

namespace {

// A strict logger woken by a lead-in at 0 ms, taking bytes at 1000 ms.
std::vector<LoggerReply> strictFeed(LoggerDevice& d, const uint8_t* bytes, size_t n) {
  const uint8_t leadIn = 0;
  d.receiveAt(&leadIn, 1, 0, 0);
  return d.receiveAt(bytes, n, 0, 1000);
}

TEST(LoggerDevice, StrictLoggerTakesOnlySettingsItCanHold) {
  LoggerFaults strict;
  strict.strict = true;
  LoggerDevice d = sampleDevice(10);
  d.setFaults(strict);
  const CommandFrame good[] = {thresholdFrame(kCmdThresholdDay, 9999), commandFrame(kCmdBuzzer, 1),
                               commandFrame(kCmdDisplay, 7), commandFrame(kCmdResetHours, 0x0F, 0x27)};
  for (const CommandFrame& f : good) strictFeed(d, f.data(), f.size());
  EXPECT_EQ(d.counters().settingFrames, 4);
  EXPECT_EQ(d.counters().ignored, 0);
  EXPECT_EQ(d.settings().thresholdDay, 19998);
  EXPECT_EQ(d.settings().resetHours, 9999);

  const CommandFrame bad[] = {commandFrame(kCmdThresholdHour, 0x1F, 0x4E),  // 19999
                              commandFrame(kCmdThresholdStart, 2, 0, 1),    // stray third parameter
                              commandFrame(kCmdBuzzer, 2),
                              commandFrame(kCmdDisplay, 8),
                              commandFrame(kCmdResetHours, 0x10, 0x27)};    // 10000
  for (const CommandFrame& f : bad) strictFeed(d, f.data(), f.size());
  EXPECT_EQ(d.counters().settingFrames, 4);
  EXPECT_EQ(d.counters().ignored, 5);
  EXPECT_EQ(d.settings().thresholdHour, 40) << "unchanged";
  EXPECT_EQ(d.settings().displayMask, 7);
}

TEST(LoggerDevice, StartRecordKeepsItsDelayAndAStrictLoggerWantsTheZeroBytes) {
  LoggerFaults strict;
  strict.strict = true;
  LoggerDevice d = sampleDevice(10);
  d.setFaults(strict);
  auto r = startRecord("AB", 1760003600, 3600);
  (*r)[27] = 1;
  (*r)[31] = static_cast<uint8_t>((*r)[31] + 1);  // checksum still right
  strictFeed(d, r->data(), r->size());
  EXPECT_EQ(d.counters().startRecords, 0);
  EXPECT_EQ(d.recording().samples.size(), 10u) << "nothing erased";
  r = startRecord("AB", 1760003600, 3600);
  strictFeed(d, r->data(), r->size());
  EXPECT_EQ(d.counters().startRecords, 1);
  EXPECT_EQ(d.recording().startTime, 1760003600u);
  EXPECT_EQ(d.recording().startDelay, 3600u);
}

}  // namespace
