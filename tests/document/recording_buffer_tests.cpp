// The copy of a file image into the recording buffer, the field readers and
// the sample decoding.
#include "CLogstore1App.h"
#include "DisplaySeries.h"
#include "RecordingBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace logstore;

TEST(SampleDecoding, TenthModelMasksElevenBitsOthersTwelve) {
  EXPECT_DOUBLE_EQ(decodeSample(0x07FF, 0x2001), 204.7);
  EXPECT_DOUBLE_EQ(decodeSample(0xF800 | 0x0005, 0x2001), 0.5);
  EXPECT_DOUBLE_EQ(decodeSample(0x0800, 0x2001), 0.0);
  EXPECT_DOUBLE_EQ(decodeSample(0x0FFF, 0x1001), 2047.5);
  EXPECT_DOUBLE_EQ(decodeSample(0xF003, 0x1001), 1.5);
  EXPECT_DOUBLE_EQ(decodeSample(0x1000, 0x0000), 0.0);
  // Only the exact word 0x2001 selects tenths.
  EXPECT_DOUBLE_EQ(decodeSample(0x0002, 0x2000), 1.0);
  EXPECT_DOUBLE_EQ(decodeSample(0x0002, 0x2101), 1.0);
}

TEST(RecordingBufferCopy, CarriesEveryHeaderFieldAndTheWholeSampleArea) {
  auto image = std::make_unique<FileImage>();
  unsigned char* b = image->bytes;
  for (int i = 0; i < kImageSize; ++i) b[i] = static_cast<unsigned char>(i * 7 + 3);
  std::memcpy(b + kOffInterval, "  600", 5);
  std::memcpy(b + kOffSampleCount, "00012", 5);
  auto rec = std::make_unique<RecordingBuffer>();
  std::memset(rec.get(), 0xEE, sizeof(RecordingBuffer));
  copyFileImage(*image, *rec);

  EXPECT_EQ(rec->headerWord, b[0] | b[1] << 8);
  EXPECT_EQ(std::memcmp(rec->dataName, b + 2, 32), 0);
  EXPECT_EQ(static_cast<uint32_t>(rec->startTime),
            static_cast<uint32_t>(b[34] | b[35] << 8 | b[36] << 16) | static_cast<uint32_t>(b[37]) << 24);
  EXPECT_EQ(rec->headerByte, b[43]);
  EXPECT_EQ(rec->headerDword,
            static_cast<uint32_t>(b[44] | b[45] << 8 | b[46] << 16) | static_cast<uint32_t>(b[47]) << 24);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(rec->headerBytes[i], b[48 + i]);
  EXPECT_EQ(rec->versionWord, b[62] | b[63] << 8);
  EXPECT_EQ(rec->trailerWord, b[254] | b[255] << 8);
  EXPECT_EQ(rec->recordInterval(), 600);
  EXPECT_EQ(rec->sampleCount(), 12);
  EXPECT_EQ(rec->samples[0], b[256] | b[257] << 8);
  EXPECT_EQ(rec->samples[kMaxSamples - 1], b[kImageSize - 2] | b[kImageSize - 1] << 8);
  // Beyond the image's samples the buffer keeps what it had.
  EXPECT_EQ(rec->samples[kMaxSamples], 0xEEEE);
}

TEST(RecordingBufferFields, FiveCharacterNumbersStopAtTheFirstNonDigit) {
  auto rec = std::make_unique<RecordingBuffer>();
  std::memcpy(rec->countText, " 12x4", 5);
  EXPECT_EQ(rec->sampleCount(), 12);
  std::memcpy(rec->countText, "     ", 5);
  EXPECT_EQ(rec->sampleCount(), 0);
  std::memcpy(rec->intervalText, "600\0\0", 5);
  EXPECT_EQ(rec->recordInterval(), 600);
  std::memcpy(rec->intervalText, "00060", 5);
  EXPECT_EQ(rec->recordInterval(), 60);
}

TEST(DisplaySeriesStore, HoldsTheLongestTenMinuteSeriesAndNeverWritesPastIt) {
  auto display = std::make_unique<DisplaySeries>();
  EXPECT_GE(kDisplayValueRoom, kMaxSamples + 2);
  std::vector<double> values(kDisplayValueRoom + 10, 1.5);
  values[kDisplayValueRoom - 1] = 9.0;
  EXPECT_EQ(display->setValues(values.data(), static_cast<int>(values.size())), kDisplayValueRoom);
  EXPECT_EQ(display->valueCount, kDisplayValueRoom);
  EXPECT_DOUBLE_EQ(display->values[kDisplayValueRoom - 1], 9.0);
  EXPECT_EQ(display->setValues(values.data(), -3), 0);
  EXPECT_EQ(display->valueCount, 0);
}
