#include "TableSnapshot.h"

#include "DailySeries.h"
#include "DateFields.h"
#include "HourlySeries.h"
#include "LocalTime.h"
#include "SlotSeries.h"

#include <algorithm>
#include <cstdio>

TableSnapshot snapshotOf(const DisplaySeries& series, int64_t tableStart, const std::string& station) {
  TableSnapshot t;
  t.tableStart = tableStart;
  t.stationName = station;
  t.seriesStart = series.seriesStart;
  const int count = series.valueCount > 0 ? series.valueCount : 0;
  t.values.assign(series.values, series.values + count);
  for (int i = 0; i < count; ++i)
    if (series.isMissing(i)) {
      t.missing.assign(series.missingSlots, series.missingSlots + count);
      break;
    }
  return t;
}

std::optional<int64_t> tableStartTime(TableKind kind, int year, int month) {
  const int m = kind == TableKind::HourlyMonth ? month : 1;
  const std::optional<int32_t> t = validLocalTime(CalendarFields{year, m, 1, 0, 0, 0});
  if (!t) return std::nullopt;
  return *t;
}

int64_t tableEndTime(TableKind kind, int64_t tableStart) {
  struct tm f = toLocal(tableStart);
  if (kind == TableKind::HourlyMonth) f.tm_mon += 1;
  else f.tm_year += 1;
  return fromLocal(f);
}

std::optional<TableSnapshot> makeTableSnapshot(const RecordingBuffer& recording, TableKind kind, int year,
                                               int month, const std::string& station) {
  const std::optional<int64_t> start = tableStartTime(kind, year, month);
  if (!start) return std::nullopt;
  HourlySeries hourly;
  DailySeries daily;
  RainSeries& series = kind == TableKind::HourlyMonth ? static_cast<RainSeries&>(hourly) : daily;
  TableSnapshot t;
  t.tableStart = *start;
  t.stationName = station;
  if (series.build(recording) != 0) {
    t.seriesStart = series.startTime;
    // As many values as the document's series would hold.
    const int count = series.valueCount < kDisplayValueRoom ? series.valueCount : kDisplayValueRoom;
    t.values.assign(series.values.get(), series.values.get() + count);
    if (series.missingSlots)
      for (int i = 0; i < count; ++i) t.missing.push_back(series.isMissing(i));
  }
  return t;
}

std::optional<TableSnapshot> makeSlotTableSnapshot(const SlotRun& run, TableKind kind, int year, int month,
                                                   const std::string& station) {
  const std::optional<int64_t> start = tableStartTime(kind, year, month);
  if (!start) return std::nullopt;
  const int64_t end = tableEndTime(kind, *start);
  // The present slots of the period, from the first to the last.
  SlotRun held;
  for (size_t i = 0; i < run.tenths.size(); ++i) {
    const int64_t t = run.slotTime(i);
    if (t < *start || t >= end || run.isMissing(i)) continue;
    if (held.tenths.empty()) held.start = t;
    held.tenths.resize(static_cast<size_t>((t - held.start) / SlotRun::kSlotSeconds), SlotRun::kMissing);
    held.tenths.push_back(run.tenths[i]);
  }
  if (held.tenths.empty()) return std::nullopt;
  const IntervalMode mode = kind == TableKind::HourlyMonth ? IntervalMode::Hourly : IntervalMode::Daily;
  const std::unique_ptr<RainSeries> series = buildSlotSeries(mode, held);
  TableSnapshot t;
  t.tableStart = *start;
  t.stationName = station;
  t.seriesStart = series->startTime;
  t.values.assign(series->values.get(), series->values.get() + series->valueCount);
  for (int i = 0; i < series->valueCount; ++i) t.missing.push_back(series->isMissing(i));
  return t;
}

std::string tableCellText(double value) {
  if (value == 0.0) return "-";
  char text[64];
  std::snprintf(text, sizeof text, "%3.1f", value);
  return text;
}

ReportText tableCell(int x, int y, double value, int bodyFontHeight, int cellLeft, int cellWidth,
                     const TextWidth& width) {
  std::string text = tableCellText(value);
  if (text == "-") return {x, y, ReportFont::TableBody, std::move(text)};
  const TextWidth measure =
      width ? width : [&](const std::string& s) { return static_cast<int>(s.size()) * (bodyFontHeight / 2); };
  const int textWidth = measure(text);
  if (text.size() > 3) x -= textWidth - measure("0.0");
  const int pad = std::max(1, bodyFontHeight / 8);
  x = std::min(x, cellLeft + cellWidth - pad - textWidth);
  x = std::max(x, cellLeft + pad);
  return {x, y, ReportFont::TableBody, std::move(text)};
}
