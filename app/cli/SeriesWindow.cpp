#include "SeriesWindow.h"

#include "LocalTime.h"

int64_t bucketStart(IntervalMode mode, int64_t seriesStart, int i) {
  switch (mode) {
    case IntervalMode::TenMinute: return seriesStart + 600LL * i;
    case IntervalMode::Hourly: return seriesStart + 3600LL * i;
    case IntervalMode::Daily: return seriesStart + 86400LL * i;
    case IntervalMode::Monthly: {
      // Monthly buckets start at 00:00 on the 1st; the local-time inverse
      // carries a month number past 12 into the following years.
      struct tm f = toLocal(seriesStart);
      f.tm_mon += i;
      f.tm_mday = 1;
      f.tm_hour = f.tm_min = f.tm_sec = 0;
      return fromLocal(f);
    }
  }
  return seriesStart;
}

namespace {

// The first bucket whose end lies after t (value count when none does).
int firstEndingAfter(const DisplaySeries& s, int64_t t) {
  int low = 0;
  int high = s.valueCount;
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (bucketStart(s.intervalMode, s.seriesStart, mid + 1) > t) high = mid;
    else low = mid + 1;
  }
  return low;
}

// The number of buckets that start before t.
int countStartingBefore(const DisplaySeries& s, int64_t t) {
  int low = 0;
  int high = s.valueCount;
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (bucketStart(s.intervalMode, s.seriesStart, mid) < t) low = mid + 1;
    else high = mid;
  }
  return low;
}

}  // namespace

SeriesWindowResult seriesWindow(const DisplaySeries& series, std::optional<int64_t> from,
                                std::optional<int64_t> to) {
  SeriesWindowResult r;
  const int first = from ? firstEndingAfter(series, *from) : 0;
  const int end = to ? countStartingBefore(series, *to) : series.valueCount;
  if (first >= series.valueCount) {
    r.status = SeriesWindowResult::Status::StartOutside;
  } else if (end <= first || (from && to && *to <= *from)) {
    r.status = SeriesWindowResult::Status::EndOutside;
  } else {
    r.firstIndex = first;
    r.count = end - first;
  }
  return r;
}
