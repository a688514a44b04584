#pragma once
// Local (UTC+9) wall-clock times for tests; the test mains force the zone.

#include <cstdint>
#include <ctime>

// Any local time, also past January 2038.
inline int64_t jst64(int y, int mo, int d, int h, int mi, int s = 0) {
  struct tm f {};
  f.tm_year = y - 1900;
  f.tm_mon = mo - 1;
  f.tm_mday = d;
  f.tm_hour = h;
  f.tm_min = mi;
  f.tm_sec = s;
  return static_cast<int64_t>(mktime(&f));
}

// A time a data file can hold as its start.
inline int32_t jst(int y, int mo, int d, int h, int mi, int s = 0) {
  return static_cast<int32_t>(jst64(y, mo, d, h, mi, s));
}
