#include "Calendar.h"

#include "LocalTime.h"

#include <ctime>

int64_t floorToTenMinutes(int64_t t) { return t - ((t % 600) + 600) % 600; }

int daysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2) {
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return leap ? 29 : 28;
  }
  return kDays[month - 1];
}

int daysInMonthEveryFourthYearLeap(int year, int month) {
  if (month == 2) return year % 4 == 0 ? 29 : 28;
  return daysInMonth(year, month);
}

void addMonths(int year, int month, long long months, int& outYear, int& outMonth) {
  const long long index = static_cast<long long>(year) * 12 + (month - 1) + months;
  const long long y = index >= 0 ? index / 12 : -((11 - index) / 12);
  outYear = static_cast<int>(y);
  outMonth = static_cast<int>(index - y * 12) + 1;
}

int64_t firstOfMonth(int year, int month) {
  struct tm f {};
  f.tm_year = year - 1900;
  f.tm_mon = month - 1;
  f.tm_mday = 1;
  return fromLocal(f);
}
