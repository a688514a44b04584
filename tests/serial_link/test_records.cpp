// The reply decoders and the calls that need no open port.
#include "TKCom1.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <numeric>

extern "C" int tkcom1HeaderCompilesAsC(void);

namespace {

std::array<uint8_t, 67> romWithSum(unsigned sum) {
  // Bytes 0..64 that add up to sum, then the two checksum bytes.
  std::array<uint8_t, 67> b{};
  unsigned left = sum;
  for (int i = 0; i < 65 && left > 0; ++i) {
    b[i] = static_cast<uint8_t>(left > 255 ? 255 : left);
    left -= b[i];
  }
  b[65] = static_cast<uint8_t>(sum & 0xFF);
  b[66] = static_cast<uint8_t>(sum >> 8);
  return b;
}

TEST(TKCom1Header, IsPlainC) { EXPECT_EQ(tkcom1HeaderCompilesAsC(), 1); }

TEST(TKCom1Layout, RecordsKeepTheirWireFieldsNaturallyAligned) {
  EXPECT_EQ(offsetof(RomRecord, head), 0u);
  EXPECT_EQ(offsetof(RomRecord, words), 2u);
  EXPECT_EQ(offsetof(RomRecord, sumLow), 66u);
  EXPECT_EQ(offsetof(RomRecord, sumHigh), 67u);
  EXPECT_EQ(offsetof(BaseDataRecord, count), 4u);
  EXPECT_EQ(offsetof(BaseDataRecord, startTime), 12u);
  EXPECT_EQ(offsetof(BaseDataRecord, elapsed), 16u);
  EXPECT_EQ(offsetof(BaseDataRecord, block), 20u);
  EXPECT_EQ(sizeof(SaveDataBlock), 4096u);
}

TEST(TKGetROM, ChecksumIsLittleEndianSumOfBytes0To64) {
  auto b = romWithSum(0x1234);
  RomRecord rec{};
  EXPECT_EQ(TKGetROM(b.data(), &rec), 1);
  EXPECT_EQ(rec.sumLow, 0x34);
  EXPECT_EQ(rec.sumHigh, 0x12);

  // The checksum bytes swapped: big-endian is wrong.
  std::swap(b[65], b[66]);
  EXPECT_EQ(TKGetROM(b.data(), &rec), 0);
}

TEST(TKGetROM, BytesCountAsUnsignedAndRecordIsFilledEvenWhenWrong) {
  std::array<uint8_t, 67> b{};
  b.fill(0xFF);  // as signed chars these would sum to -65
  unsigned sum = 65 * 255u;
  b[65] = static_cast<uint8_t>(sum & 0xFF);
  b[66] = static_cast<uint8_t>(sum >> 8);
  RomRecord rec{};
  EXPECT_EQ(TKGetROM(b.data(), &rec), 1);

  // Words are little-endian pairs from byte 1 on.
  std::array<uint8_t, 67> w{};
  w[0] = 0x7E;
  w[3] = 0x01;
  w[4] = 0x20;  // word 1 = 0x2001
  w[63] = 0xCD;
  w[64] = 0xAB;  // word 31
  w[65] = 0xEE;  // deliberately wrong
  RomRecord r2{};
  EXPECT_EQ(TKGetROM(w.data(), &r2), 0);
  EXPECT_EQ(r2.head, 0x7E);
  EXPECT_EQ(r2.words[1], 0x2001);
  EXPECT_EQ(r2.words[31], 0xABCD);
  EXPECT_EQ(r2.sumLow, 0xEE);
}

TEST(TKGetBaseData, DecodesTheFiveFieldsLittleEndian) {
  const uint8_t b[14] = {0x07, 0x10, 0x00, 0x00, 0x00, 0x01, 0x80, 0x51, 0x01, 0x00, 0x58, 0x02, 0x00, 0x00};
  BaseDataRecord rec{};
  std::memset(rec.block.bytes, 0x5A, sizeof rec.block.bytes);
  EXPECT_EQ(TKGetBaseData(0, b, &rec), 1);
  EXPECT_EQ(rec.kind, 7);
  EXPECT_EQ(rec.count, 16u);
  EXPECT_EQ(rec.flag, 1);
  EXPECT_EQ(rec.startTime, 86400u);
  EXPECT_EQ(rec.elapsed, 600u);
  EXPECT_EQ(rec.block.bytes[0], 0x5A) << "the block is not touched";

  const uint8_t high[14] = {0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0x78, 0x56, 0x34, 0x12, 1, 2, 3, 4};
  TKGetBaseData(0, high, &rec);
  EXPECT_EQ(rec.count, 0xFFFFFFFFu);
  EXPECT_EQ(rec.startTime, 0x12345678u);
  EXPECT_EQ(rec.elapsed, 0x04030201u);
}

TEST(TKGetData, SixByteRecordChecksum) {
  const uint8_t good[6] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x0F};
  const uint8_t bad[6] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x10};
  uint8_t out[6] = {};
  EXPECT_EQ(TKGetData(good, out), 1);
  EXPECT_EQ(std::memcmp(out, good, 6), 0);
  EXPECT_EQ(TKGetData(bad, out), 0);
  EXPECT_EQ(std::memcmp(out, bad, 6), 0) << "copied even when the check fails";

  EXPECT_EQ(TKGetData30(good), 770);
  EXPECT_EQ(TKGetData30(bad), -1);
  // The sum wraps at 256 and the value is unsigned.
  const uint8_t wrap[6] = {0x80, 0xFF, 0xFF, 0x80, 0x02, static_cast<uint8_t>(0x80 + 0xFF + 0xFF + 0x80 + 0x02)};
  EXPECT_EQ(TKGetData30(wrap), 65535);
}

TEST(TKGetSecondByValue, IntervalCodes) {
  const int expected[] = {60, 120, 300, 600, 900, 1200, 1800, 3600, 60};
  for (int code = 0; code <= 8; ++code) EXPECT_EQ(TKGetSecondByValue(code), expected[code]) << code;
  EXPECT_EQ(TKGetSecondByValue(-1), 60);
}

TEST(TKCom1WithoutPort, CallsOnNoHandleFailCleanly) {
  EXPECT_EQ(TKFlushComm(0, 5), 5);
  EXPECT_EQ(TKFlushComm(0, 0), 0);
  const uint8_t frame[6] = {0x20, 0, 0, 0, 0, 0x20};
  EXPECT_EQ(TKWriteComm(0, nullptr, 6), 0);
  EXPECT_EQ(TKWriteComm(0, frame, 6), TK_ERR_WRITE);
  EXPECT_EQ(TKPutROM(0, frame, 6), 0);
  uint8_t buf[4096];
  std::memset(buf, 0x77, sizeof buf);
  EXPECT_EQ(TKReadComm(0, buf, 6), TK_ERR_READ);
  EXPECT_EQ(buf[4095], 0) << "the buffer is cleared before the read";
  EXPECT_EQ(TKGetInfo(0, buf, 6), 0);
  TKHandle h = 0;
  EXPECT_EQ(TKCloseComm(&h), 0);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(TKCloseComm(nullptr), 0);
  // Standard output is a descriptor but no port of ours unless it is a terminal.
  TKDCB dcb{};
  EXPECT_EQ(TKGetStatus(-3, &dcb), 0);
}

TEST(TKGetSaveData, FailedReadLeavesThePreviousBlock) {
  BaseDataRecord rec{};
  std::memset(rec.block.bytes, 0x42, sizeof rec.block.bytes);
  EXPECT_EQ(TKGetSaveData(0, &rec), 0);
  EXPECT_EQ(rec.block.bytes[0], 0x42);
  EXPECT_EQ(rec.block.bytes[4095], 0x42);
}

}  // namespace
