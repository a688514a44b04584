#include "RecordingBuffer.h"

#include <bit>
#include <cstring>

using namespace logstore;

namespace {

uint16_t getU16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t getU32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

int parseField(const char* text) {
  long v = parseFiveDigitField(reinterpret_cast<const unsigned char*>(text));
  return v < 0 ? 0 : static_cast<int>(v);
}

}  // namespace

int RecordingBuffer::sampleCount() const { return parseField(countText); }

int RecordingBuffer::recordInterval() const { return parseField(intervalText); }

void copyFileImage(const FileImage& image, RecordingBuffer& buffer) {
  const unsigned char* b = image.bytes;
  buffer.headerWord = getU16(b + kOffHeaderWord);
  std::memcpy(buffer.dataName, b + kOffName, sizeof buffer.dataName);
  buffer.startTime = static_cast<int32_t>(getU32(b + kOffStartTime));
  std::memcpy(buffer.intervalText, b + kOffInterval, 5);
  buffer.headerByte = b[kOffUnit];
  buffer.headerDword = getU32(b + kOffMachineCode);
  for (int i = 0; i < 4; ++i) buffer.headerBytes[i] = b[kOffChannel + i];
  std::memcpy(buffer.countText, b + kOffSampleCount, 5);
  buffer.versionWord = getU16(b + kOffVersion);
  buffer.trailerWord = getU16(b + kOffTrailer);
  // The sample area is copied whole; only little-endian hosts are supported.
  static_assert(std::endian::native == std::endian::little);
  std::memcpy(buffer.samples, b + kHeaderSize, kImageSize - kHeaderSize);
  buffer.missingSampleCount = 0;
  std::memset(buffer.missingMarks, 0, sizeof buffer.missingMarks);
}
