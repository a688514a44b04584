#include "CommandFrames.h"

#include <algorithm>
#include <cstring>

namespace device {

namespace {

uint8_t lowByte(unsigned v) { return static_cast<uint8_t>(v & 0xFF); }
uint8_t highByte(unsigned v) { return static_cast<uint8_t>((v >> 8) & 0xFF); }

void putLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

CommandFrame commandFrame(uint8_t code, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4) {
  return {code, p1, p2, p3, p4, static_cast<uint8_t>(code + p1 + p2 + p3 + p4)};
}

CommandFrame probeFrame() { return commandFrame(kCmdProbe, 1, 1, 1, 1); }

CommandFrame romRequestFrame() { return commandFrame(kCmdRomRecord); }

CommandFrame baseDataFrame(uint16_t deviceVersionWord) {
  return commandFrame(deviceVersionWord == kTenthModelWord ? kCmdBaseDataTenth : kCmdBaseData);
}

uint16_t encodeThreshold(int mm) { return static_cast<uint16_t>(2 * std::clamp(mm, 0, kMaxSettingValue)); }

CommandFrame thresholdFrame(uint8_t code, int mm) {
  uint16_t w = encodeThreshold(mm);
  return commandFrame(code, lowByte(w), highByte(w));
}

CommandFrame buzzerFrame(bool on) { return commandFrame(kCmdBuzzer, on ? 1 : 0); }

CommandFrame displayFrame(int mask) { return commandFrame(kCmdDisplay, static_cast<uint8_t>(mask & 7)); }

CommandFrame resetHoursFrame(int hours) {
  unsigned h = static_cast<unsigned>(std::clamp(hours, 0, kMaxSettingValue));
  return commandFrame(kCmdResetHours, lowByte(h), highByte(h));
}

std::optional<StartRecord> startRecord(std::string_view nameBytes, uint32_t startTime, uint32_t delay) {
  if (nameBytes.size() > static_cast<size_t>(kDeviceNameSize)) return std::nullopt;
  StartRecord r{};
  r[0] = 0x55;
  r[1] = 0xAA;
  std::memcpy(r.data() + 2, nameBytes.data(), nameBytes.size());
  putLe32(r.data() + 18, startTime);
  putLe32(r.data() + 22, delay);
  unsigned sum = 0;
  for (int i = 0; i < kStartRecordSize - 1; ++i) sum += r[i];
  r[kStartRecordSize - 1] = lowByte(sum);
  return r;
}

}  // namespace device
