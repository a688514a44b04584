#include "RainSeries.h"

#include <new>

bool RainSeries::begin(const RecordingBuffer& recording) {
  valueCount = 0;
  startTime = 0;
  values.reset();
  missingSlots.reset();
  capacity = 0;
  if (recording.recordInterval() != kRecordInterval) return false;
  int n = recording.sampleCount();
  int64_t start = firstBucketStart(recording.startTime);
  int cap = capacityFor(n);
  double* array = new (std::nothrow) double[static_cast<size_t>(cap)]();
  if (array == nullptr) return false;
  values.reset(array);
  capacity = cap;
  startTime = start;
  return true;
}

// Sums samples into buckets. A sample counts in bucket j when its stamp lies
// from B(j) to B(j) + L(j) - 2, so the last second of a bucket belongs to no
// bucket. The series ends with the bucket in which the samples ran out.
int RainSeries::build(const RecordingBuffer& recording) {
  if (!begin(recording)) return 0;
  const int n = recording.sampleCount();
  int64_t bucketStart = startTime;
  int b = 0;
  for (;;) {
    const int64_t length = bucketLength(bucketStart);
    const int64_t lastCounted = bucketStart + length - 2;
    const int64_t nextStart = bucketStart + length;
    double v = 0.0;
    bool exhausted = b >= n;
    if (!exhausted) {
      for (int k = b;; ++k) {
        const int64_t s = recording.sampleTime(k);
        if (s >= bucketStart && s <= lastCounted) v += recording.sampleMm(k);
        if (s >= nextStart) {
          b = k;
          break;
        }
        if (k + 1 == n) {
          exhausted = true;
          break;
        }
      }
    }
    values[valueCount++] = v;
    if (valueCount >= capacity || exhausted) break;
    bucketStart = nextStart;
  }
  countMissing(recording);
  return 1;
}

// A sample counts in the bucket where its stamp lies from B(j) to
// B(j) + L(j) - 2, as build sums it; the ten-minute series takes the first
// sample at or after a slot's start, which for samples on slot starts (the
// only ones a recording with missing samples has) is the same bucket.
void RainSeries::countMissing(const RecordingBuffer& recording) {
  if (recording.missingSampleCount <= 0 || valueCount <= 0) return;
  missingSlots.reset(new (std::nothrow) int[static_cast<size_t>(capacity)]());
  if (!missingSlots) return;
  const int n = recording.sampleCount();
  int64_t bucketStart = startTime;
  int b = 0;
  for (int k = 0; k < n; ++k) {
    const int64_t s = recording.sampleTime(k);
    while (b < valueCount && s >= bucketStart + bucketLength(bucketStart)) {
      bucketStart += bucketLength(bucketStart);
      ++b;
    }
    if (b >= valueCount) break;
    if (recording.missingMarks[k] != 0 && s >= bucketStart && s <= bucketStart + bucketLength(bucketStart) - 2)
      ++missingSlots[b];
  }
}
