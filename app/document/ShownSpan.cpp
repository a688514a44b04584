#include "ShownSpan.h"

#include "Calendar.h"
#include "MonthlySeries.h"

TimeSpan shownSpan(const RecordingBuffer& recording, const ShownSeriesSpan& g, int64_t tenMinuteOrigin) {
  TimeSpan span;
  const int64_t f = g.firstShownIndex;
  const int64_t v = g.visibleCount;
  switch (g.mode) {
    case IntervalMode::Hourly:
      span.start = g.seriesStart + f * 3600;
      span.end = span.start + v * 3600;
      break;
    case IntervalMode::Daily:
      span.start = g.seriesStart + f * 86400;
      span.end = span.start + v * 86400;
      break;
    case IntervalMode::TenMinute:
      span.start = tenMinuteOrigin + f * 600;
      span.end = span.start + v * 600;
      break;
    case IntervalMode::Monthly: {
      int year = 0, month = 0;
      firstSeriesMonth(recording.startTime, year, month);
      addMonths(year, month, g.firstShownIndex, year, month);
      span.start = firstOfMonth(year, month);
      span.end = span.start;
      for (int i = 0; i < g.visibleCount; ++i) {
        span.end += static_cast<int64_t>(daysInMonthEveryFourthYearLeap(year, month)) * 86400;
        addMonths(year, month, 1, year, month);
      }
      break;
    }
  }
  return span;
}
