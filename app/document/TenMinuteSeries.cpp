#include "TenMinuteSeries.h"

#include "Calendar.h"

int64_t TenMinuteSeries::firstBucketStart(int32_t recordStart) const { return floorToTenMinutes(recordStart); }

// Each slot takes the first sample at or after its start; the search of the
// next slot begins at that same sample, so every sample is looked at at most
// twice.
int TenMinuteSeries::build(const RecordingBuffer& recording) {
  if (!begin(recording)) return 0;
  const int n = recording.sampleCount();
  int b = 0;
  for (int64_t slot = startTime;; slot += 600) {
    int k = b;
    while (k < n && recording.sampleTime(k) < slot) ++k;
    if (k == n) {
      values[valueCount++] = 0.0;
      break;
    }
    values[valueCount++] = recording.sampleTime(k) < slot + 599 ? recording.sampleMm(k) : 0.0;
    b = k;
    if (valueCount >= capacity) break;
  }
  countMissing(recording);
  return 1;
}
