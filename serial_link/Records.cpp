// The framed writes and the decoders of the logger's fixed-size replies.
#include "TKCom1.h"

#include <cstddef>
#include <cstring>

namespace {

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

bool dataChecksumHolds(const uint8_t* b) {
  return b[5] == static_cast<uint8_t>(b[0] + b[1] + b[2] + b[3] + b[4]);
}

int clampCount(int count, int most) {
  if (count < 0) return 0;
  return count > most ? most : count;
}

}  // namespace

static_assert(offsetof(RomRecord, words) == 2 && offsetof(RomRecord, sumLow) == 66 &&
              offsetof(RomRecord, sumHigh) == 67);
static_assert(offsetof(BaseDataRecord, count) == 4 && offsetof(BaseDataRecord, flag) == 8 &&
              offsetof(BaseDataRecord, startTime) == 12 && offsetof(BaseDataRecord, elapsed) == 16 &&
              offsetof(BaseDataRecord, block) == 20 && sizeof(SaveDataBlock) == TK_BLOCK_SIZE);

extern "C" {

int TKGetInfo(TKHandle handle, uint8_t* buffer, int count) {
  return TKReadComm(handle, buffer, count) == count ? 1 : 0;
}

int TKPutROM(TKHandle handle, const uint8_t* frame, int count) {
  if (frame == nullptr) return 0;
  // The zero after the six frame bytes ends the length the writer measures.
  // Only the bytes the count asks for are read: a caller may pass a buffer
  // as short as its count.
  const int n = clampCount(count, 6);
  uint8_t local[7] = {};
  std::memcpy(local, frame, static_cast<size_t>(n));
  return TKWriteComm(handle, local, n) == TK_ERR_WRITE ? 0 : 1;
}

int TKPutROM_Start(TKHandle handle, const uint8_t* record, int count) {
  if (record == nullptr) return 0;
  const int n = clampCount(count, 32);
  uint8_t local[32] = {};
  std::memcpy(local, record, static_cast<size_t>(n));
  return TKWriteComm(handle, local, n) == TK_ERR_WRITE ? 0 : 1;
}

int TKGetROM(const uint8_t* bytes, RomRecord* record) {
  if (bytes == nullptr || record == nullptr) return 0;
  record->head = bytes[0];
  for (int i = 0; i < 32; ++i) record->words[i] = le16(bytes + 1 + 2 * i);
  record->sumLow = bytes[65];
  record->sumHigh = bytes[66];
  unsigned sum = 0;
  for (int i = 0; i < 65; ++i) sum += bytes[i];
  return le16(bytes + 65) == static_cast<uint16_t>(sum) ? 1 : 0;
}

int TKGetBaseData(TKHandle handle, const uint8_t* bytes, BaseDataRecord* record) {
  (void)handle;
  if (bytes == nullptr || record == nullptr) return 0;
  record->kind = bytes[0];
  record->count = le32(bytes + 1);
  record->flag = bytes[5];
  record->startTime = le32(bytes + 6);
  record->elapsed = le32(bytes + 10);
  return 1;
}

int TKGetSaveData(TKHandle handle, BaseDataRecord* record) {
  if (record == nullptr) return 0;
  // Read into a block of our own so that a short read leaves the record's
  // block exactly as it was.
  SaveDataBlock local;
  if (TKGetInfo(handle, local.bytes, TK_BLOCK_SIZE) != 1) return 0;
  std::memcpy(record->block.bytes, local.bytes, TK_BLOCK_SIZE);
  return 1;
}

int TKGetData(const uint8_t* bytes, uint8_t* destination) {
  if (bytes == nullptr || destination == nullptr) return 0;
  std::memcpy(destination, bytes, TK_DATA_SIZE);
  return dataChecksumHolds(bytes) ? 1 : 0;
}

int TKGetData30(const uint8_t* bytes) {
  if (bytes == nullptr || !dataChecksumHolds(bytes)) return -1;
  return le16(bytes + 1);
}

int TKGetSecondByValue(int code) {
  switch (code) {
    case 1: return 120;
    case 2: return 300;
    case 3: return 600;
    case 4: return 900;
    case 5: return 1200;
    case 6: return 1800;
    case 7: return 3600;
    default: return 60;
  }
}

}  // extern "C"
