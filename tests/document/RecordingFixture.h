#pragma once
// Recordings made in memory for the series tests.

#include "RecordingBuffer.h"
#include "TestClock.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>


inline std::unique_ptr<RecordingBuffer> makeRecording(int32_t start, const std::vector<uint16_t>& samples,
                                                      uint16_t version = 0x1001, const char* interval = "00600") {
  auto rec = std::make_unique<RecordingBuffer>();
  std::memset(rec.get(), 0, sizeof(RecordingBuffer));
  rec->startTime = start;
  std::memcpy(rec->intervalText, interval, 5);
  char count[8];
  std::snprintf(count, sizeof count, "%05zu", samples.size());
  std::memcpy(rec->countText, count, 5);
  rec->versionWord = version;
  for (size_t k = 0; k < samples.size(); ++k) rec->samples[k] = samples[k];
  return rec;
}

// n samples of the same raw word.
inline std::unique_ptr<RecordingBuffer> makeSteady(int32_t start, int n, uint16_t word = 1,
                                                   uint16_t version = 0x1001) {
  return makeRecording(start, std::vector<uint16_t>(static_cast<size_t>(n), word), version);
}
