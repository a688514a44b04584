#include "MonthlySeries.h"

#include "Calendar.h"
#include "LocalTime.h"

int64_t MonthlySeries::firstBucketStart(int32_t recordStart) const {
  struct tm s = toLocal(recordStart);
  struct tm f {};
  f.tm_year = s.tm_year;
  f.tm_mon = s.tm_mon;
  f.tm_mday = 1;
  if (!(s.tm_mday == 1 && s.tm_hour == 0 && s.tm_min == 0)) {
    if (++f.tm_mon == 12) {
      f.tm_mon = 0;
      ++f.tm_year;
    }
  }
  return fromLocal(f);
}

int64_t MonthlySeries::bucketLength(int64_t bucketStart) const {
  struct tm s = toLocal(bucketStart);
  return static_cast<int64_t>(DaysInMonth(s.tm_mon + 1, s.tm_year + 1900)) * 86400;
}

int MonthlySeries::DaysInMonth(int month, int year) { return daysInMonthEveryFourthYearLeap(year, month); }

void MonthlySeries::NextMonth(int month, int year, int* nextMonth, int* nextYear, int* daysOfNext) {
  int m = month == 12 ? 1 : month + 1;
  int y = month == 12 ? year + 1 : year;
  if (nextMonth) *nextMonth = m;
  if (nextYear) *nextYear = y;
  if (daysOfNext) *daysOfNext = DaysInMonth(m, y);
}
