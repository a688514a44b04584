#include "Calendar.h"

#include "LocalTime.h"

#include <ctime>

int64_t floorToTenMinutes(int64_t t) { return t - ((t % 600) + 600) % 600; }

void addMonths(int year, int month, int months, int& outYear, int& outMonth) {
  const int index = year * 12 + (month - 1) + months;
  outYear = index / 12;
  outMonth = index % 12 + 1;
}

int64_t firstOfMonth(int year, int month) {
  struct tm f {};
  f.tm_year = year - 1900;
  f.tm_mon = month - 1;
  f.tm_mday = 1;
  return fromLocal(f);
}
