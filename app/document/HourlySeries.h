#pragma once
// Hourly rainfall. The first bucket is the hour of the record start when the
// recording starts less than ten minutes past it, otherwise the next hour.

#include "RainSeries.h"

class HourlySeries : public RainSeries {
 public:
  HourlySeries() : RainSeries(3600) {}

 protected:
  int64_t firstBucketStart(int32_t recordStart) const override;
  int capacityFor(int sampleCount) const override { return sampleCount / 6 + 2; }
};
