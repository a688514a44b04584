#pragma once
// Monthly rainfall by calendar month. The first bucket is the record start's
// month only when the recording starts on the 1st at 00:00; otherwise the
// following month. Months are counted by the calendar module (Calendar.h).

#include "RainSeries.h"

#include <cstdint>

// The month of the monthly series' first bucket: the recording's own month
// when it starts on the 1st at 00:00, otherwise the next one.
void firstSeriesMonth(int32_t recordStart, int& year, int& month);

class MonthlySeries : public RainSeries {
 public:
  MonthlySeries() : RainSeries(0) {}


 protected:
  int64_t firstBucketStart(int32_t recordStart) const override;
  int capacityFor(int sampleCount) const override { return sampleCount / 4608 + 2; }
  int64_t bucketLength(int64_t bucketStart) const override;
};
