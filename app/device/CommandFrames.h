#pragma once
// Every byte sequence the program writes to the logger: the lead-in byte,
// the 6-byte command frames, the block request and the 32-byte start
// record. Plain functions over bytes; they write nothing to a port and know
// nothing of waits or attempts (see DeviceTiming.h).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace device {

constexpr uint8_t kLeadInByte = 0x00;
constexpr uint8_t kBlockRequest = 0x1B;

// Command codes of the 6-byte frames.
constexpr uint8_t kCmdRomRecord = 0x20;
constexpr uint8_t kCmdBaseData = 0x21;
constexpr uint8_t kCmdBaseDataTenth = 0x22;  // loggers whose model word is 0x2001
constexpr uint8_t kCmdProbe = 0x30;
constexpr uint8_t kCmdThresholdHour = 0x40;
constexpr uint8_t kCmdThresholdDay = 0x41;
constexpr uint8_t kCmdThresholdStart = 0x42;
constexpr uint8_t kCmdBuzzer = 0x43;
constexpr uint8_t kCmdDisplay = 0x44;
constexpr uint8_t kCmdResetHours = 0x45;

constexpr uint16_t kTenthModelWord = 0x2001;
constexpr int kMaxSettingValue = 9999;  // millimetres or hours typed by the user

using CommandFrame = std::array<uint8_t, 6>;

// code, four parameters, and their sum modulo 256.
CommandFrame commandFrame(uint8_t code, uint8_t p1 = 0, uint8_t p2 = 0, uint8_t p3 = 0, uint8_t p4 = 0);

CommandFrame probeFrame();      // 30 01 01 01 01 34
CommandFrame romRequestFrame(); // 20 00 00 00 00 20
// 0x22 for the 0.1-mm model (model word 0x2001), else 0x21.
CommandFrame baseDataFrame(uint16_t deviceVersionWord);

// Alarm thresholds travel as 2 x mm (0.5-mm units), low byte first.
// mm is clamped to 0..9999.
uint16_t encodeThreshold(int mm);
// code is kCmdThresholdHour, kCmdThresholdDay or kCmdThresholdStart.
CommandFrame thresholdFrame(uint8_t code, int mm);
CommandFrame buzzerFrame(bool on);
// Bit 0 one-hour, bit 1 one-day, bit 2 from-start rainfall; other bits dropped.
CommandFrame displayFrame(int mask);
// hours clamped to 0..9999, low byte first.
CommandFrame resetHoursFrame(int hours);

constexpr int kStartRecordSize = 32;
constexpr int kDeviceNameSize = 16;
using StartRecord = std::array<uint8_t, kStartRecordSize>;

// 55 AA, the name bytes zero-padded to 16 (no terminator when all 16 are
// used), start time and delay little-endian, five zeros, and the sum of
// bytes 0..30 modulo 256. Empty when the name is longer than 16 bytes.
std::optional<StartRecord> startRecord(std::string_view nameBytes, uint32_t startTime, uint32_t delay);

}  // namespace device
