#pragma once
// The ten-minute values themselves, one per 600-second slot from the record
// start rounded down to a multiple of 600 s. A sample lying 599 s or more
// past its slot's start counts as no rain in that slot. The series runs one
// slot past the last sample.

#include "RainSeries.h"

class TenMinuteSeries : public RainSeries {
 public:
  TenMinuteSeries() : RainSeries(600) {}
  int build(const RecordingBuffer& recording) override;

 protected:
  int64_t firstBucketStart(int32_t recordStart) const override;
  int capacityFor(int sampleCount) const override { return sampleCount + 2; }
};
