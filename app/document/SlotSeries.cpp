#include "SlotSeries.h"

#include "LocalTime.h"
#include "SeriesForMode.h"

#include <vector>

int64_t bucketContaining(IntervalMode mode, int64_t t) {
  if (mode == IntervalMode::TenMinute) {
    int64_t r = t % 600;
    if (r < 0) r += 600;
    return t - r;
  }
  struct tm f = toLocal(t);
  f.tm_sec = 0;
  f.tm_min = 0;
  if (mode == IntervalMode::Daily || mode == IntervalMode::Monthly) f.tm_hour = 0;
  if (mode == IntervalMode::Monthly) f.tm_mday = 1;
  return fromLocal(f);
}

int64_t nextBucketStart(IntervalMode mode, int64_t bucketStart) {
  switch (mode) {
    case IntervalMode::TenMinute: return bucketStart + 600;
    case IntervalMode::Hourly: return bucketStart + 3600;
    case IntervalMode::Daily: break;
    case IntervalMode::Monthly: {
      struct tm f = toLocal(bucketStart);
      f.tm_mon += 1;
      return fromLocal(f);
    }
  }
  struct tm f = toLocal(bucketStart);
  f.tm_mday += 1;
  return fromLocal(f);
}

std::unique_ptr<RainSeries> buildSlotSeries(IntervalMode mode, const SlotRun& run) {
  std::unique_ptr<RainSeries> series = makeSeriesFor(mode);
  if (run.tenths.empty()) return series;
  const int64_t first = bucketContaining(mode, run.start);
  std::vector<int64_t> starts{first};
  while (starts.back() <= run.end() - SlotRun::kSlotSeconds) starts.push_back(nextBucketStart(mode, starts.back()));
  // starts[k] opens bucket k; the last entry closes the last bucket.
  const int buckets = static_cast<int>(starts.size()) - 1;
  series->values = std::make_unique<double[]>(static_cast<size_t>(buckets));
  series->missingSlots = std::make_unique<int[]>(static_cast<size_t>(buckets));
  series->startTime = first;
  series->capacity = buckets;
  series->valueCount = buckets;
  const int64_t runEnd = run.end();
  for (int k = 0; k < buckets; ++k) {
    int64_t sum = 0;
    int missing = 0;
    for (int64_t t = starts[k]; t < starts[k + 1]; t += SlotRun::kSlotSeconds) {
      if (t < run.start || t >= runEnd) {
        ++missing;
        continue;
      }
      const int32_t v = run.tenths[static_cast<size_t>((t - run.start) / SlotRun::kSlotSeconds)];
      if (v == SlotRun::kMissing) ++missing;
      else sum += v;
    }
    series->values[k] = static_cast<double>(sum) / 10.0;
    series->missingSlots[k] = missing;
  }
  return series;
}
