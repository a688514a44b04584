#include "MonthlySeries.h"

#include "Calendar.h"
#include "LocalTime.h"

void firstSeriesMonth(int32_t recordStart, int& year, int& month) {
  const struct tm s = toLocal(recordStart);
  year = s.tm_year + 1900;
  month = s.tm_mon + 1;
  if (!(s.tm_mday == 1 && s.tm_hour == 0 && s.tm_min == 0)) addMonths(year, month, 1, year, month);
}

int64_t MonthlySeries::firstBucketStart(int32_t recordStart) const {
  int year = 0, month = 0;
  firstSeriesMonth(recordStart, year, month);
  return firstOfMonth(year, month);
}

int64_t MonthlySeries::bucketLength(int64_t bucketStart) const {
  struct tm s = toLocal(bucketStart);
  return static_cast<int64_t>(daysInMonthEveryFourthYearLeap(s.tm_year + 1900, s.tm_mon + 1)) * 86400;
}

