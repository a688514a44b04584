#include "ExportRange.h"

#include "Calendar.h"
#include "DateFields.h"
#include "LocalTime.h"
#include "MonthlySeries.h"
#include "SeriesForMode.h"

#include <algorithm>

TimeSpan exportGraphSpan(const RecordingBuffer& recording, const ShownSeriesSpan& g) {
  TimeSpan span = shownSpan(recording, g, floorToTenMinutes(recording.startTime));
  if (g.mode == IntervalMode::Monthly) {
    const int64_t lastSample = static_cast<int64_t>(recording.startTime) +
                               static_cast<int64_t>(recording.sampleCount() - 1) * 600;
    span.end = std::min(span.end, lastSample);
  }
  return span;
}

ExportRequest graphExportRequest(const ShownSeriesSpan& g, int64_t graphStart, char separator) {
  ExportRequest r;
  r.interval = g.mode;
  r.startTime = graphStart;
  r.startIndex = std::max(0, g.firstShownIndex);
  r.count = std::max(0, std::min(g.visibleCount, g.valueCount - r.startIndex));
  r.separator = separator;
  return r;
}

ExportRequest wholeExportRequest(const ShownSeriesSpan& g, char separator) {
  ExportRequest r;
  r.interval = g.mode;
  r.startTime = g.seriesStart;
  r.startIndex = 0;
  r.count = g.valueCount;
  r.separator = separator;
  return r;
}

GivenRange givenExportRange(const RecordingBuffer& recording, IntervalMode interval, const DateTexts& startTexts,
                            const DateTexts& endTexts, char separator) {
  GivenRange result;
  CalendarFields s = calendarFieldsOf(startTexts);
  CalendarFields e = calendarFieldsOf(endTexts);
  switch (interval) {
    case IntervalMode::TenMinute:
      if (s.minute > 0) s.minute -= s.minute % 10;
      if (e.minute > 0) e.minute -= e.minute % 10;
      break;
    case IntervalMode::Hourly:
      s.minute = e.minute = 0;
      break;
    case IntervalMode::Daily:
      s.hour = e.hour = s.minute = e.minute = 0;
      break;
    case IntervalMode::Monthly:
      s.hour = e.hour = s.minute = e.minute = 0;
      s.day = e.day = 1;
      // Not addMonths: a month typed outside 1..12 must stay outside so
      // that the date check below refuses it (13 must not become January).
      if (e.month == 12) {
        e.month = 1;
        ++e.year;
      } else {
        ++e.month;
      }
      break;
  }
  const std::optional<int32_t> startTime = validLocalTime(s);
  const std::optional<int32_t> endTime = validLocalTime(e);
  if (!startTime || !endTime) {
    result.check = RangeCheck::DateInvalid;
    return result;
  }

  int64_t start = *startTime;
  const int64_t end = *endTime;
  const int32_t recordStart = recording.startTime;
  if (start < recordStart) {
    const struct tm a = toLocal(start);
    const struct tm b = toLocal(recordStart);
    const bool sameDate = a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday;
    if (interval == IntervalMode::Hourly && sameDate && a.tm_hour == b.tm_hour) {
      start += 3600;
    } else if (interval == IntervalMode::Daily && sameDate) {
      start += 86400;
    } else {
      result.check = RangeCheck::StartInvalid;
      return result;
    }
  }

  std::unique_ptr<RainSeries> series = makeSeriesFor(interval);
  const bool built = series->build(recording) != 0;
  const int64_t recordEnd = floorToTenMinutes(recordStart) + 600LL * recording.sampleCount();
  // A monthly end is the 1st after the entered month, usually past the
  // recording's end; there the series' last (partial) month is the limit.
  if (start >= end || (interval != IntervalMode::Monthly && end > recordEnd) || !built) {
    result.check = RangeCheck::EndInvalid;
    return result;
  }

  ExportRequest& r = result.request;
  r.interval = interval;
  r.startTime = start;
  r.separator = separator;
  switch (interval) {
    case IntervalMode::Hourly:
      r.startIndex = static_cast<int>((start - series->startTime) / 3600);
      r.count = static_cast<int>((end - start) / 3600);
      break;
    case IntervalMode::Daily:
      r.startIndex = static_cast<int>((start - series->startTime) / 86400);
      r.count = static_cast<int>((end - start) / 86400);
      break;
    case IntervalMode::TenMinute:
      r.startIndex = static_cast<int>((start - floorToTenMinutes(recordStart)) / 600);
      r.count = static_cast<int>((end - start) / 600);
      break;
    case IntervalMode::Monthly: {
      int firstYear = 0, firstMonth = 0;
      firstSeriesMonth(recordStart, firstYear, firstMonth);
      r.startIndex = (s.year * 12 + s.month) - (firstYear * 12 + firstMonth);
      // Months are counted across years, so a range over New Year is whole.
      r.count = (e.year * 12 + e.month) - (s.year * 12 + s.month);
      break;
    }
  }
  if (r.startIndex < 0 || r.count <= 0 || r.startIndex + r.count > series->valueCount) {
    result.check = RangeCheck::EndInvalid;
    return result;
  }
  return result;
}

ExportFieldUse exportFieldUse(IntervalMode interval) {
  switch (interval) {
    case IntervalMode::TenMinute: return {true, true, true};
    case IntervalMode::Hourly: return {true, true, false};
    case IntervalMode::Daily: return {true, false, false};
    case IntervalMode::Monthly: break;
  }
  return {};
}
