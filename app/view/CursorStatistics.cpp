#include "CursorStatistics.h"

#include "Calendar.h"
#include "LocalTime.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string oneDecimal(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%5.1f", v);
  return text;
}

// A bar with missing slots: "-" in the place of "%5.1f", as the sheets
// show a value that is not there.
std::string missingCell() {
  char text[32];
  std::snprintf(text, sizeof text, "%5s", kMissingValue);
  return text;
}

}  // namespace

std::string CursorStatistics::periodText(const DisplaySeries& s, int index, int64_t end) {
  switch (s.intervalMode) {
    case IntervalMode::Hourly:
      return formatLocal(end - 3600, "%Y/%m/%d %H") + "-" + formatLocal(end, "%H");
    case IntervalMode::Daily: return formatLocal(end - 86400, "%Y/%m/%d");
    case IntervalMode::TenMinute: {
      const int64_t t = floorToTenMinutes(end);
      return formatLocal(t - 600, "%Y/%m/%d %H:%M") + "-" + formatLocal(t, "%H:%M");
    }
    case IntervalMode::Monthly: {
      const struct tm start = toLocal(s.seriesStart);
      // Months counted on from the start's month, over as many year ends as
      // the index reaches.
      int year = 0, month = 0;
      addMonths(start.tm_year + 1900, start.tm_mon + 1, index - 1, year, month);
      // Without the leading zero of appendMonthLabel, like the chart's axis.
      char text[32];
      std::snprintf(text, sizeof text, "%d/%d", year, month);
      return text;
    }
  }
  return kPlaceholder;
}

CursorStatistics::Row CursorStatistics::compute(const DisplaySeries& s) {
  Row row;
  const int count = s.valueCount;
  const int a = s.cursorA;
  const int b = s.cursorB;
  auto hasValue = [count](int index) { return index >= 1 && index <= count; };
  auto valueText = [&s](int index) { return s.isMissing(index - 1) ? missingCell() : oneDecimal(s.values[index - 1]); };
  row[1] = hasValue(a) ? valueText(a) : kPlaceholder;
  row[2] = hasValue(b) ? valueText(b) : kPlaceholder;
  if (a != 0 && b != 0) {
    if (hasValue(a) && hasValue(b)) {
      const int lo = std::min(a, b);
      const int hi = std::max(a, b);
      // Over the known bars only: a bar with missing slots is left out of
      // all three, and its presence marks them.
      double largest = 0.0;
      double sum = 0.0;
      int known = 0;
      for (int i = lo; i <= hi; ++i) {
        if (s.isMissing(i - 1)) continue;
        largest = known == 0 ? s.values[i - 1] : std::max(largest, s.values[i - 1]);
        sum += s.values[i - 1];
        ++known;
      }
      if (known == 0) {
        row[3] = row[4] = row[5] = missingCell();
      } else {
        const std::string mark = known < hi - lo + 1 ? kMissingMark : "";
        row[3] = oneDecimal(largest) + mark;
        row[4] = oneDecimal(sum / known) + mark;
        row[5] = oneDecimal(sum) + mark;
      }
    } else {
      row[3] = row[4] = row[5] = kPlaceholder;
    }
  } else {
    row[3] = row[4] = kPlaceholder;
  }
  row[6] = a != 0 ? periodText(s, a, s.cursorAEnd) : kPlaceholder;
  row[7] = b != 0 ? periodText(s, b, s.cursorBEnd) : kPlaceholder;
  return row;
}
