#include "HourlySeries.h"

#include "LocalTime.h"

int64_t HourlySeries::firstBucketStart(int32_t recordStart) const {
  int64_t t = recordStart;
  if (toLocal(t).tm_min >= 10) t += 3600;
  struct tm f = toLocal(t);
  f.tm_min = 0;
  f.tm_sec = 0;
  return fromLocal(f);
}
