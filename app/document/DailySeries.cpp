#include "DailySeries.h"

#include "LocalTime.h"

int64_t DailySeries::firstBucketStart(int32_t recordStart) const {
  int64_t t = recordStart;
  struct tm s = toLocal(t);
  if (s.tm_hour > 0 || s.tm_min >= 10) t += 86400;
  struct tm f = toLocal(t);
  f.tm_hour = 0;
  f.tm_min = 0;
  f.tm_sec = 0;
  return fromLocal(f);
}
