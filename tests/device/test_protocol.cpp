// Frames the program writes and replies it reads, byte by byte.
#include "CommandFrames.h"
#include "DeviceTiming.h"
#include "Replies.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace device;

namespace {

using Frame = CommandFrame;

TEST(CommandFrames, KnownFrames) {
  EXPECT_EQ(probeFrame(), (Frame{0x30, 0x01, 0x01, 0x01, 0x01, 0x34}));
  EXPECT_EQ(romRequestFrame(), (Frame{0x20, 0, 0, 0, 0, 0x20}));
  EXPECT_EQ(thresholdFrame(kCmdThresholdHour, 25), (Frame{0x40, 0x32, 0x00, 0, 0, 0x72}));
  EXPECT_EQ(resetHoursFrame(300), (Frame{0x45, 0x2C, 0x01, 0, 0, 0x72}));
  EXPECT_EQ(buzzerFrame(true), (Frame{0x43, 1, 0, 0, 0, 0x44}));
  EXPECT_EQ(buzzerFrame(false), (Frame{0x43, 0, 0, 0, 0, 0x43}));
  EXPECT_EQ(displayFrame(5), (Frame{0x44, 5, 0, 0, 0, 0x49}));
  EXPECT_EQ(displayFrame(0x0D)[1], 5) << "only the three display bits";
}

TEST(CommandFrames, BaseDataCommandFollowsTheModelWord) {
  EXPECT_EQ(baseDataFrame(0x2001), (Frame{0x22, 0, 0, 0, 0, 0x22}));
  EXPECT_EQ(baseDataFrame(0x2000), (Frame{0x21, 0, 0, 0, 0, 0x21}));
  EXPECT_EQ(baseDataFrame(0), (Frame{0x21, 0, 0, 0, 0, 0x21}));
}

TEST(CommandFrames, ThresholdsAreHalfMillimetresLowByteFirstAndChecksumWraps) {
  Frame f = thresholdFrame(kCmdThresholdStart, 9999);
  EXPECT_EQ(encodeThreshold(9999), 19998);
  EXPECT_EQ(f[1], 0x1E);
  EXPECT_EQ(f[2], 0x4E);
  EXPECT_EQ(f[5], static_cast<uint8_t>(0x42 + 0x1E + 0x4E));  // 0xAE, after wrapping
  EXPECT_EQ(thresholdFrame(kCmdThresholdDay, 0), (Frame{0x41, 0, 0, 0, 0, 0x41}));
  // Outside 0..9999 the value is held at the limits, never wrapped.
  EXPECT_EQ(encodeThreshold(40000), 19998);
  EXPECT_EQ(encodeThreshold(-3), 0);
  EXPECT_EQ(resetHoursFrame(70000)[1], 0x0F);  // 9999 = 0x270F
  EXPECT_EQ(resetHoursFrame(70000)[2], 0x27);
}

TEST(StartRecord, LayoutAndChecksum) {
  auto r = startRecord("AB", 0x01020304, 0);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ((*r)[0], 0x55);
  EXPECT_EQ((*r)[1], 0xAA);
  EXPECT_EQ((*r)[2], 0x41);
  EXPECT_EQ((*r)[3], 0x42);
  for (int i = 4; i < 18; ++i) EXPECT_EQ((*r)[i], 0) << i;
  EXPECT_EQ((*r)[18], 0x04);  // little-endian start time
  EXPECT_EQ((*r)[21], 0x01);
  for (int i = 22; i < 31; ++i) EXPECT_EQ((*r)[i], 0) << i;
  EXPECT_EQ((*r)[31], 0x8C);

  auto d = startRecord("", 1700000000, 3600);
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ((*d)[22], 0x10);  // 3600 = 0x0E10
  EXPECT_EQ((*d)[23], 0x0E);
  unsigned sum = 0;
  for (int i = 0; i < 31; ++i) sum += (*d)[i];
  EXPECT_EQ((*d)[31], sum % 256);
}

TEST(StartRecord, SixteenByteNameHasNoTerminatorAndLongerNamesAreRefused) {
  // Eight full-width characters in Shift-JIS: 16 bytes.
  std::string name = "\x83\x65\x83\x8B\x83\x4A\x83\x65\x83\x8B\x83\x4A\x83\x65\x83\x8B";
  ASSERT_EQ(name.size(), 16u);
  auto r = startRecord(name, 1, 0);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(std::memcmp(r->data() + 2, name.data(), 16), 0);
  EXPECT_EQ((*r)[18], 0x01) << "the start time follows the name at once";
  EXPECT_FALSE(startRecord(name + "A", 1, 0).has_value());
}

TEST(ProbeReply, ByteFourMustBeZeroAndByteFiveTheSum) {
  const uint8_t good[6] = {0x01, 0x02, 0x03, 0x04, 0x00, 0x0A};
  const uint8_t nonZero[6] = {0x01, 0x02, 0x03, 0x04, 0x01, 0x0B};
  const uint8_t badSum[6] = {0x01, 0x02, 0x03, 0x04, 0x00, 0x0B};
  const uint8_t wrapped[6] = {0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};
  EXPECT_TRUE(isValidProbeReply(good));
  EXPECT_FALSE(isValidProbeReply(nonZero));
  EXPECT_FALSE(isValidProbeReply(badSum));
  EXPECT_TRUE(isValidProbeReply(wrapped));
  EXPECT_FALSE(isValidProbeReply(nullptr));
}

RomRecord romFromWire(const std::vector<uint8_t>& wire) {
  RomRecord rom{};
  TKGetROM(wire.data(), &rom);
  return rom;
}

TEST(RomFields, WordsAndNameFromTheWireBytes) {
  std::vector<uint8_t> wire(67, 0);
  auto word = [&](int i, uint16_t v) {
    wire[1 + 2 * i] = static_cast<uint8_t>(v);
    wire[2 + 2 * i] = static_cast<uint8_t>(v >> 8);
  };
  word(1, 0x2001);
  word(8, 50);
  word(9, 1);
  word(10, 19998);
  word(11, 2);
  word(12, 0xFFFD);
  word(13, 65535);
  std::memcpy(wire.data() + 33, "RAIN\0XYZ", 8);
  RomFields f = romFields(romFromWire(wire));
  EXPECT_EQ(f.modelWord, 0x2001);
  EXPECT_EQ(f.thresholdHour, 50);
  EXPECT_FALSE(f.buzzerOn) << "only the value 1 means on";
  EXPECT_EQ(f.displayMask, 5);
  EXPECT_EQ(f.deviceName, "RAIN") << "the name ends at the first zero byte";
  EXPECT_EQ(thresholdText(f.thresholdHour), "25");
  EXPECT_EQ(thresholdText(f.thresholdDay), "OFF");
  EXPECT_EQ(thresholdText(f.thresholdStart), "9999");
  EXPECT_EQ(thresholdText(0), "OFF");
  EXPECT_EQ(thresholdText(2), "1");
  EXPECT_EQ(resetHoursText(f.resetHours), "65535");

  word(11, 1);
  EXPECT_TRUE(romFields(romFromWire(wire)).buzzerOn);
}

TEST(RomFields, SixteenByteNameWithoutTerminator) {
  std::vector<uint8_t> wire(67, 0);
  const char* name = "ABCDEFGHIJKLMNOP";
  std::memcpy(wire.data() + 33, name, 16);
  wire[49] = 'Q';  // the byte after the name field does not belong to it
  RomRecord rom = romFromWire(wire);
  EXPECT_EQ(romFields(rom).deviceName, name);
  uint8_t raw[16];
  romNameBytes(rom, raw);
  EXPECT_EQ(std::memcmp(raw, name, 16), 0);
  EXPECT_EQ(deviceName(reinterpret_cast<const uint8_t*>("\x83\x65\0\x41")), "\x83\x65");
}

TEST(Blocks, CountOfBlocksIsOneMoreThanWholeBlocks) {
  EXPECT_EQ(blockCount(1), 1);
  EXPECT_EQ(blockCount(2047), 1);
  EXPECT_EQ(blockCount(2048), 2);
  EXPECT_EQ(blockCount(4095), 2);
  EXPECT_EQ(blockCount(4096), 3);
  EXPECT_EQ(blockCount(59872), 30);
}

TEST(FirstSample, FromTheStartTimeOrFromNow) {
  BaseDataRecord base{};
  base.startTime = 1700000000;
  base.elapsed = 6000;
  base.count = 7;
  EXPECT_EQ(firstSampleTime(base, 0), 1700000000 + 3 * 600);

  // More samples than the elapsed time holds: the first lies before the start.
  base.elapsed = 1200;
  base.count = 5;
  EXPECT_EQ(firstSampleTime(base, 0), 1700000000 - 3 * 600);

  base.startTime = 0;
  base.elapsed = 1234;
  base.count = 10;
  const int64_t now = 1800000000;
  EXPECT_EQ(firstSampleTime(base, now), now - (34 + 6000));

  // Large counts must not overflow 32 bits.
  base.count = 4000000;
  base.elapsed = 0;
  EXPECT_EQ(firstSampleTime(base, now), now - 2400000000LL);
}

TEST(DeviceTimingTable, AttemptsPerOperation) {
  EXPECT_EQ(attemptsFor(DeviceOperation::ConnectionCheck, kCmdProbe), 2);
  EXPECT_EQ(attemptsFor(DeviceOperation::Download, kCmdRomRecord), 3);
  EXPECT_EQ(attemptsFor(DeviceOperation::Download, kCmdBaseDataTenth), 3);
  EXPECT_EQ(attemptsFor(DeviceOperation::ReadDeviceState, kCmdRomRecord), 3);
  EXPECT_EQ(attemptsFor(DeviceOperation::ReadReservation, kCmdRomRecord), 2);
  EXPECT_EQ(attemptsFor(DeviceOperation::ReadReservation, kCmdBaseData), 2);
  EXPECT_EQ(attemptsFor(DeviceOperation::StartRecording, kStepStartRecord), 2);
  EXPECT_EQ(attemptsFor(DeviceOperation::ReadDeviceState, kCmdThresholdHour), 0);

  // The device-state write sends its six frames in this order.
  const uint8_t order[] = {0x43, 0x44, 0x45, 0x40, 0x41, 0x42};
  auto plan = framePlan(DeviceOperation::WriteDeviceState);
  ASSERT_EQ(plan.size(), 6u);
  for (size_t i = 0; i < plan.size(); ++i) {
    EXPECT_EQ(plan[i].code, order[i]);
    EXPECT_EQ(plan[i].attempts, 2);
  }
}

}  // namespace
