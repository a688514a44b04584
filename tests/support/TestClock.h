#pragma once
// Local (UTC+9) wall-clock times for tests; the test mains force the zone.

#include <cstdint>
#include <ctime>

inline int32_t jst(int y, int mo, int d, int h, int mi, int s = 0) {
  struct tm f {};
  f.tm_year = y - 1900;
  f.tm_mon = mo - 1;
  f.tm_mday = d;
  f.tm_hour = h;
  f.tm_min = mi;
  f.tm_sec = s;
  return static_cast<int32_t>(mktime(&f));
}
