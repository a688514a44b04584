#pragma once
// Monthly rainfall by calendar month. The first bucket is the record start's
// month only when the recording starts on the 1st at 00:00; otherwise the
// following month. Also the calendar helpers used by the graph, the range
// save and the tables.

#include "RainSeries.h"

class MonthlySeries : public RainSeries {
 public:
  MonthlySeries() : RainSeries(0) {}

  // 0 for a month outside 1..12; February has 29 days in every year
  // divisible by 4.
  static int DaysInMonth(int month, int year);
  // The month after (month, year) and its number of days.
  static void NextMonth(int month, int year, int* nextMonth, int* nextYear, int* daysOfNext);

 protected:
  int64_t firstBucketStart(int32_t recordStart) const override;
  int capacityFor(int sampleCount) const override { return sampleCount / 4608 + 2; }
  int64_t bucketLength(int64_t bucketStart) const override;
};
