#pragma once
// Daily rainfall. The first bucket is the day of the record start when the
// recording starts before 00:10 local time, otherwise the next day.

#include "RainSeries.h"

class DailySeries : public RainSeries {
 public:
  DailySeries() : RainSeries(86400) {}

 protected:
  int64_t firstBucketStart(int32_t recordStart) const override;
  int capacityFor(int sampleCount) const override { return sampleCount / 144 + 2; }
};
