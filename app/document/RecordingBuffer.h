#pragma once
// RecordingBuffer: the aligned copy of a loaded data file (or of a span of
// the station archive, ArchiveRecording.h) that every reader of a recording
// uses. The document owns one; dialogs take byte copies.
// It holds no behaviour beyond reading its own fields.

#include "FileImage.h"

#include <cstdint>

constexpr int kRecordingSampleRoom = 120000;
constexpr int kRecordInterval = 600;           // the only interval accepted
constexpr uint16_t kTenthMillimetreVersion = 0x2001;

struct RecordingBuffer {
  uint16_t headerWord;
  char dataName[32];
  int32_t startTime;
  char intervalText[5];
  uint8_t headerByte;
  uint32_t headerDword;
  uint8_t headerBytes[4];
  char countText[5];
  uint16_t versionWord;
  uint16_t trailerWord;
  uint16_t samples[kRecordingSampleRoom];
  // Samples that stand for slots no recording covers (a recording put
  // together from the station archive, whose samples there are 0): sample k
  // is such a stand-in when missingMarks[k] is 1. The series built from the
  // recording count them per bucket (RainSeries::missingSlots). A recording
  // loaded from a file has none.
  int32_t missingSampleCount;
  uint8_t missingMarks[kRecordingSampleRoom];

  // The sample count and record interval texts, parsed (0 when not a number).
  int sampleCount() const;
  int recordInterval() const;
  // Rainfall of sample k in millimetres by the version-word rule.
  double sampleMm(int k) const { return logstore::decodeSampleMm(samples[k], versionWord); }
  // Time stamp of sample k.
  int64_t sampleTime(int k) const { return static_cast<int64_t>(startTime) + 600LL * k; }
};

// Copies the image field by field; nothing is validated. A file has no
// missing samples.
void copyFileImage(const FileImage& image, RecordingBuffer& buffer);

// Rainfall in millimetres of one raw word.
inline double decodeSample(uint16_t word, uint16_t versionWord) { return logstore::decodeSampleMm(word, versionWord); }
