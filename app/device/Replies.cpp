#include "Replies.h"

#include <cstring>

namespace device {

bool isValidProbeReply(const uint8_t* r) {
  return r != nullptr && r[4] == 0 && r[5] == static_cast<uint8_t>(r[0] + r[1] + r[2] + r[3]);
}

void romNameBytes(const RomRecord& rom, uint8_t out[16]) {
  for (int i = 0; i < 8; ++i) {
    uint16_t w = rom.words[kRomWordName + i];
    out[2 * i] = static_cast<uint8_t>(w & 0xFF);
    out[2 * i + 1] = static_cast<uint8_t>(w >> 8);
  }
}

std::string deviceName(const uint8_t* nameBytes) {
  const char* p = reinterpret_cast<const char*>(nameBytes);
  return std::string(p, strnlen(p, 16));
}

RomFields romFields(const RomRecord& rom) {
  RomFields f;
  f.modelWord = rom.words[kRomWordModel];
  f.thresholdHour = rom.words[kRomWordThresholdHour];
  f.thresholdDay = rom.words[kRomWordThresholdDay];
  f.thresholdStart = rom.words[kRomWordThresholdStart];
  f.buzzerOn = rom.words[kRomWordBuzzer] == 1;
  f.displayMask = rom.words[kRomWordDisplay] & 7;
  f.resetHours = rom.words[kRomWordResetHours];
  uint8_t name[16];
  romNameBytes(rom, name);
  f.deviceName = deviceName(name);
  return f;
}

std::string thresholdText(uint16_t word) {
  unsigned mm = word / 2u;
  return mm == 0 ? std::string("OFF") : std::to_string(mm);
}

std::string resetHoursText(uint16_t word) { return std::to_string(static_cast<unsigned>(word)); }

int blockCount(uint32_t count) { return static_cast<int>(count / kSamplesPerBlock + 1); }

int64_t firstSampleTime(const BaseDataRecord& base, int64_t now) {
  int64_t count = base.count;
  int64_t elapsed = base.elapsed;
  if (base.startTime != 0)
    return static_cast<int64_t>(base.startTime) + (elapsed / kSampleInterval - count) * kSampleInterval;
  return now - (elapsed % kSampleInterval + count * kSampleInterval);
}

}  // namespace device
