#pragma once
// Every reply the program reads from the logger, taken apart: the probe
// reply check, the fields of a ROM record, the arithmetic on the base data
// (first-sample time, number of blocks) and the texts shown for thresholds
// and names. Plain functions; reading the bytes off the port is TKCom1's.

#include "TKCom1.h"

#include <cstdint>
#include <string>

namespace device {

constexpr int kProbeReplySize = 6;
constexpr int kSamplesPerBlock = TK_BLOCK_SIZE / 2;  // 2048
constexpr int kSampleInterval = 600;                 // seconds per stored sample

// Byte 4 is 0 and byte 5 is the sum of bytes 0..3 modulo 256.
bool isValidProbeReply(const uint8_t* reply);

// ROM record words that carry meaning.
constexpr int kRomWordModel = 1;
constexpr int kRomWordThresholdHour = 8;
constexpr int kRomWordThresholdDay = 9;
constexpr int kRomWordThresholdStart = 10;
constexpr int kRomWordBuzzer = 11;
constexpr int kRomWordDisplay = 12;
constexpr int kRomWordResetHours = 13;
constexpr int kRomWordName = 16;  // words 16..23: the 16 name bytes
constexpr int kRomNameOffset = 33;  // the same bytes on the wire

struct RomFields {
  uint16_t modelWord = 0;       // 0x2001: the 0.1-mm model
  uint16_t thresholdHour = 0;   // 0.5-mm units; 0 and 1 mean off
  uint16_t thresholdDay = 0;
  uint16_t thresholdStart = 0;
  bool buzzerOn = false;        // word 11 is exactly 1
  int displayMask = 0;          // bits 0..2 of word 12
  uint16_t resetHours = 0;
  std::string deviceName;       // raw Shift-JIS bytes, up to the first zero
};

RomFields romFields(const RomRecord& rom);

// The 16 raw name bytes of a ROM record, in wire order.
void romNameBytes(const RomRecord& rom, uint8_t out[16]);

// The name bytes up to the first zero byte, at most 16.
std::string deviceName(const uint8_t* nameBytes);

// "OFF" when word / 2 is 0, else word / 2 in decimal.
std::string thresholdText(uint16_t word);
// The reset word as an unsigned decimal number.
std::string resetHoursText(uint16_t word);

// count / 2048 + 1: an exact multiple of 2048 asks for one block more.
int blockCount(uint32_t count);

// Time of the first stored sample, seconds since 1970 UTC:
//   start time set:  start + (elapsed / 600 - count) * 600
//   start time 0:    now - (elapsed % 600 + count * 600)
int64_t firstSampleTime(const BaseDataRecord& base, int64_t now);

}  // namespace device
