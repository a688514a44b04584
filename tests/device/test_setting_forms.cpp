// The device-state and reserved-recording dialogs' logic: what a ROM record
// fills in, what a typed value becomes on the wire, what is refused.
#include "DeviceStateForm.h"
#include "DeviceTiming.h"
#include "LoggerDevice.h"
#include "ReservationForm.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace device;

namespace {

RomRecord romOf(const LoggerSettings& settings) {
  const std::vector<uint8_t> wire = LoggerDevice(settings, {}).romRecord();
  RomRecord rom{};
  EXPECT_EQ(TKGetROM(wire.data(), &rom), 1);
  return rom;
}

RomRecord romWithDisplayWord(uint16_t word) {
  LoggerSettings s;
  s.displayMask = word;
  return romOf(s);
}

TEST(DeviceStateForm, DisplayWordTicksTheBoxesFromItsRawValue) {
  DeviceStateForm form;
  form.boxes = {true, false, true};
  fillFromRom(form, romWithDisplayWord(0));
  EXPECT_EQ(form.boxes, (DisplayBoxes{true, true, true}));
  EXPECT_EQ(form.displayMask, 0);
  // OK right after sends all three bits.
  EXPECT_EQ(checkDeviceState(form).settings->displayMask, 7);

  fillFromRom(form, romWithDisplayWord(5));
  EXPECT_EQ(form.boxes, (DisplayBoxes{true, false, true}));
  EXPECT_EQ(form.displayMask, 5);
  fillFromRom(form, romWithDisplayWord(6));
  EXPECT_EQ(form.boxes, (DisplayBoxes{false, true, true}));

  form.boxes = {false, true, false};
  form.displayMask = 2;
  for (uint16_t word : {7, 8, 13, 0xFFFF}) {
    fillFromRom(form, romWithDisplayWord(word));
    EXPECT_EQ(form.boxes, (DisplayBoxes{false, true, false})) << "word " << word << " leaves the boxes";
    EXPECT_EQ(form.displayMask, 2) << word;
  }
}

TEST(DeviceStateForm, BuzzerThresholdsAndResetFromTheRom) {
  LoggerSettings s;
  s.buzzer = 1;
  s.thresholdHour = 1;
  s.thresholdDay = 250;
  s.thresholdStart = 19998;
  s.resetHours = 65535;
  DeviceStateForm form;
  form.buzzerOn = false;
  fillFromRom(form, romOf(s));
  EXPECT_TRUE(form.buzzerOn);
  EXPECT_EQ(form.hourText, "OFF");
  EXPECT_EQ(form.dayText, "125");
  EXPECT_EQ(form.startText, "9999");
  EXPECT_EQ(form.resetText, "65535");
  s.buzzer = 2;
  fillFromRom(form, romOf(s));
  EXPECT_FALSE(form.buzzerOn) << "only 1 means on";
}

TEST(DeviceStateForm, ResetValueMustBeGivenAndWithinRange) {
  DeviceStateForm form;
  form.resetText = "0";
  ASSERT_TRUE(checkDeviceState(form).settings);
  EXPECT_EQ(deviceStateFrames(*checkDeviceState(form).settings)[2], (CommandFrame{0x45, 0, 0, 0, 0, 0x45}));
  form.resetText = "9999";
  EXPECT_EQ(checkDeviceState(form).settings->resetHours, 9999);
  for (const char* bad : {"10000", "", "-1", "99999999999", "65536"}) {
    form.resetText = bad;
    const DeviceStateCheck c = checkDeviceState(form);
    EXPECT_FALSE(c.settings) << bad;
    EXPECT_EQ(c.message, kResetValueMessage) << bad;
  }
  // A bad reset value is reported before a bad threshold.
  form.hourText = "-5";
  EXPECT_EQ(checkDeviceState(form).message, kResetValueMessage);
}

TEST(DeviceStateForm, ThresholdTextsReadAsLeadingDigitsAndRefuseWhatTheFrameCannotCarry) {
  DeviceStateForm form;
  form.hourText = "12.5";
  form.dayText = "";
  form.startText = "OFF";
  DeviceStateCheck c = checkDeviceState(form);
  ASSERT_TRUE(c.settings);
  EXPECT_EQ(c.settings->thresholdHour, 12);
  EXPECT_EQ(c.settings->thresholdDay, 0);
  EXPECT_EQ(c.settings->thresholdStart, 0);
  std::array<CommandFrame, 6> frames = deviceStateFrames(*c.settings);
  EXPECT_EQ(frames[3], (CommandFrame{0x40, 24, 0, 0, 0, 0x58}));
  EXPECT_EQ(frames[4], (CommandFrame{0x41, 0, 0, 0, 0, 0x41}));

  for (const char* bad : {"-1", "10000", "4294967297", "99999999999999"}) {
    for (std::string DeviceStateForm::*field :
         {&DeviceStateForm::hourText, &DeviceStateForm::dayText, &DeviceStateForm::startText}) {
      DeviceStateForm f;
      f.*field = bad;
      c = checkDeviceState(f);
      EXPECT_FALSE(c.settings) << bad;
      EXPECT_EQ(c.message, kThresholdMessage) << bad;
    }
  }
}

TEST(DeviceStateForm, SixFramesInTheWriteOrderWithTheirParameters) {
  DeviceStateForm form;
  form.buzzerOn = false;
  form.boxes = {true, false, true};
  form.resetText = "300";
  form.hourText = "1";
  form.dayText = "2";
  form.startText = "9999";
  const std::array<CommandFrame, 6> frames = deviceStateFrames(*checkDeviceState(form).settings);
  const std::span<const FrameStep> plan = framePlan(DeviceOperation::WriteDeviceState);
  ASSERT_EQ(plan.size(), frames.size());
  for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i][0], plan[i].code) << i;
  EXPECT_EQ(frames[0], (CommandFrame{0x43, 0, 0, 0, 0, 0x43}));
  EXPECT_EQ(frames[1], (CommandFrame{0x44, 5, 0, 0, 0, 0x49}));
  EXPECT_EQ(frames[2], (CommandFrame{0x45, 0x2C, 0x01, 0, 0, 0x72}));
  EXPECT_EQ(frames[3], (CommandFrame{0x40, 0x02, 0x00, 0, 0, 0x42}));
  EXPECT_EQ(frames[4], (CommandFrame{0x41, 0x04, 0x00, 0, 0, 0x45}));
  EXPECT_EQ(frames[5], (CommandFrame{0x42, 0x1E, 0x4E, 0, 0, 0xAE}));
}

ReservationForm reservedAt(int y, int mo, int d, int h, int mi) {
  ReservationForm f;
  f.reservedStart = true;
  f.start.year = std::to_string(y);
  f.start.month = std::to_string(mo);
  f.start.day = std::to_string(d);
  f.start.hour = std::to_string(h);
  f.start.minute = std::to_string(mi);
  f.deviceName = "RAIN1";
  return f;
}

uint32_t le32At(const StartRecord& r, int offset) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | r[static_cast<size_t>(offset + i)];
  return v;
}

TEST(ReservationForm, DatesAreCheckedFieldByFieldBeforeAnyConversion) {
  const int64_t now = jst(2026, 12, 7, 13, 30, 15);
  StartCheck c = checkStartOrder(reservedAt(2028, 2, 29, 9, 0), now);
  ASSERT_TRUE(c.order);
  EXPECT_EQ(c.order->target, jst(2028, 2, 29, 9, 0));
  for (const ReservationForm& bad :
       {reservedAt(2030, 2, 29, 9, 0), reservedAt(2027, 4, 31, 9, 0), reservedAt(2027, 13, 1, 0, 0),
        reservedAt(2027, 1, 1, 24, 0), reservedAt(2027, 1, 1, 0, 60), reservedAt(2027, 0, 1, 0, 0),
        reservedAt(2038, 1, 19, 12, 15)}) {
    c = checkStartOrder(bad, now);
    EXPECT_FALSE(c.order) << bad.start.year << "-" << bad.start.month << "-" << bad.start.day << " " << bad.start.hour << ":" << bad.start.minute;
    EXPECT_EQ(c.message, kDateMessage);
  }
  // The last minute a signed 32-bit time holds (03:14:07 UTC) is still one.
  EXPECT_TRUE(checkStartOrder(reservedAt(2038, 1, 19, 12, 14), now).order);

  ReservationForm blank = reservedAt(2027, 1, 1, 0, 0);
  blank.start.year.clear();
  EXPECT_EQ(checkStartOrder(blank, now).message, kDateMessage);
  EXPECT_EQ(checkStartOrder(reservedAt(2025, 1, 1, 0, 0), now).message, kPastDateMessage);
}

TEST(ReservationForm, CurrentMinuteIsPastUnlessTheClockIsOnTheMinute) {
  const ReservationForm form = reservedAt(2026, 12, 7, 13, 30);
  EXPECT_EQ(checkStartOrder(form, jst(2026, 12, 7, 13, 30, 1)).message, kPastDateMessage);
  StartCheck c = checkStartOrder(form, jst(2026, 12, 7, 13, 30, 0));
  ASSERT_TRUE(c.order);
  std::optional<StartRecord> r = startRecordAt(*c.order, jst(2026, 12, 7, 13, 30, 0));
  ASSERT_TRUE(r);
  EXPECT_EQ(le32At(*r, 22), 0u);
}

TEST(ReservationForm, DelayAndStartTimeAreTakenAtTheMomentOfSending) {
  const int64_t asked = jst(2026, 12, 7, 13, 30, 0);
  const StartCheck c = checkStartOrder(reservedAt(2026, 12, 7, 14, 30), asked);
  ASSERT_TRUE(c.order);
  std::optional<StartRecord> r = startRecordAt(*c.order, asked);
  ASSERT_TRUE(r);
  EXPECT_EQ(le32At(*r, 18), static_cast<uint32_t>(jst(2026, 12, 7, 14, 30)));
  EXPECT_EQ(le32At(*r, 22), 3600u);
  // The user answered the question 20 minutes later: the delay shrinks, the
  // start stays where it was asked for.
  r = startRecordAt(*c.order, asked + 1200);
  ASSERT_TRUE(r);
  EXPECT_EQ(le32At(*r, 18), static_cast<uint32_t>(jst(2026, 12, 7, 14, 30)));
  EXPECT_EQ(le32At(*r, 22), 2400u);
  // ...and a reservation that has passed by then is not sent at all.
  EXPECT_FALSE(startRecordAt(*c.order, asked + 3601));
}

TEST(ReservationForm, ImmediateStartIgnoresTheDateFields) {
  ReservationForm form = reservedAt(2030, 2, 29, 99, 99);
  form.reservedStart = false;
  const int64_t now = jst(2026, 12, 7, 13, 30, 42);
  const StartCheck c = checkStartOrder(form, now);
  ASSERT_TRUE(c.order);
  std::optional<StartRecord> r = startRecordAt(*c.order, now + 2);
  ASSERT_TRUE(r);
  EXPECT_EQ(le32At(*r, 18), static_cast<uint32_t>(now + 2));
  EXPECT_EQ(le32At(*r, 22), 0u);
  EXPECT_EQ(std::memcmp(r->data() + 2, "RAIN1\0\0\0\0\0\0\0\0\0\0\0", 16), 0);
}

TEST(ReservationForm, NameIsCountedInShiftJisBytes) {
  const int64_t now = jst(2026, 12, 7, 13, 30, 0);
  ReservationForm form;
  form.reservedStart = false;

  form.deviceName = "雨量計測装置一号";  // eight full-width characters
  StartCheck c = checkStartOrder(form, now);
  ASSERT_TRUE(c.order);
  ASSERT_EQ(c.order->nameBytes.size(), 16u);
  std::optional<StartRecord> r = startRecordAt(*c.order, now);
  EXPECT_EQ(std::memcmp(r->data() + 2, c.order->nameBytes.data(), 16), 0);
  EXPECT_EQ(le32At(*r, 18), static_cast<uint32_t>(now)) << "no zero byte between name and time";

  form.deviceName = "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ";  // sixteen half-width katakana: 16 bytes
  EXPECT_TRUE(checkStartOrder(form, now).order);

  for (const char* bad : {"ABCDEFGHIJKLMNOPQ", "雨量計測装置一号A", "雨量計☃", "\xff\xfe"}) {
    form.deviceName = bad;
    c = checkStartOrder(form, now);
    EXPECT_FALSE(c.order) << bad;
    EXPECT_EQ(c.message, kDeviceNameMessage) << bad;
  }

  form.deviceName.clear();
  r = startRecordAt(*checkStartOrder(form, now).order, now);
  for (int i = 2; i < 18; ++i) EXPECT_EQ((*r)[static_cast<size_t>(i)], 0) << i;
}

TEST(ReservationForm, ChecksTheDateBeforeTheName) {
  ReservationForm form = reservedAt(2030, 2, 29, 0, 0);
  form.deviceName = "ABCDEFGHIJKLMNOPQ";
  EXPECT_EQ(checkStartOrder(form, jst(2026, 1, 1, 0, 0)).message, kDateMessage);
}

TEST(ReservationForm, FilledFromTheRomNameAndTheFirstSampleTime) {
  LoggerSettings s;
  const std::string sjis = "\x89\x4A\x97\xCA\x8C\x76";  // 雨量計
  std::memcpy(s.name.data(), sjis.data(), sjis.size());
  ReservationForm form;
  fillNameFromRom(form, romOf(s));
  EXPECT_EQ(form.deviceName, "雨量計");

  // A name cut inside a double-byte character loses the lone lead byte.
  std::memcpy(s.name.data(), "ABCDEFGHIJKLMNO\x89", 16);
  fillNameFromRom(form, romOf(s));
  EXPECT_EQ(form.deviceName, "ABCDEFGHIJKLMNO");

  fillStartFromTime(form, jst(2026, 3, 5, 7, 9, 59));
  EXPECT_EQ(form.start.year, "2026");
  EXPECT_EQ(form.start.month, "03");
  EXPECT_EQ(form.start.day, "05");
  EXPECT_EQ(form.start.hour, "07");
  EXPECT_EQ(form.start.minute, "09");
}

}  // namespace
