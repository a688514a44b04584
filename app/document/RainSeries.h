#pragma once
// RainSeries: rainfall in millimetres per bucket, built from a recording.
// The builders (HourlySeries, DailySeries, TenMinuteSeries, MonthlySeries)
// differ in where the first bucket starts, how long buckets are and how many
// there can be. A series owns its value array; it keeps no reference to the
// recording it was built from.

#include "RecordingBuffer.h"

#include <cstdint>
#include <memory>

class RainSeries {
 public:
  virtual ~RainSeries() = default;
  RainSeries(const RainSeries&) = delete;
  RainSeries& operator=(const RainSeries&) = delete;

  // 1 when built; 0 when the recording is refused (record interval other
  // than 600) or the value array cannot be allocated.
  virtual int build(const RecordingBuffer& recording);

  // Start of the first bucket. 64 bits: a recording that starts before
  // 2038-01-19 03:14:07 UTC may have buckets past it.
  int64_t startTime = 0;
  int valueCount = 0;
  const int step;         // bucket length in seconds; 0 for calendar months
  std::unique_ptr<double[]> values;
  int capacity = 0;
  // Per bucket, the ten-minute slots no recording covers. Null for a series
  // built from a recording loaded from a file, which has none; set by the
  // series built from the archive's slots (SlotSeries.h) and from a
  // recording with missing samples (RecordingBuffer::missingMarks), where a
  // bucket with a missing slot has no complete value.
  std::unique_ptr<int[]> missingSlots;
  bool isMissing(int i) const { return missingSlots && missingSlots[i] > 0; }

 protected:
  explicit RainSeries(int stepSeconds) : step(stepSeconds) {}

  // Start of the first bucket for a recording starting at recordStart.
  virtual int64_t firstBucketStart(int32_t recordStart) const = 0;
  virtual int capacityFor(int sampleCount) const = 0;
  // Length of the bucket that starts at bucketStart (local calendar).
  virtual int64_t bucketLength(int64_t bucketStart) const { (void)bucketStart; return step; }

  // The common first steps; false when the recording is refused.
  bool begin(const RecordingBuffer& recording);
  // The last step: counts the recording's missing samples per bucket, by the
  // rule that puts a sample in a bucket (nothing when it has none).
  void countMissing(const RecordingBuffer& recording);
};
