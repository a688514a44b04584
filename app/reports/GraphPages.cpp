#include "GraphPages.h"

#include "Calendar.h"
#include "LocalTime.h"
#include "RecordingBuffer.h"
#include "ShiftJis.h"
#include "TimeLabels.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string printf1(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

std::string intervalName(IntervalMode mode) {
  switch (mode) {
    case IntervalMode::Hourly: return "1時間";
    case IntervalMode::Daily: return "1日";
    case IntervalMode::TenMinute: return "10分";
    case IntervalMode::Monthly: return "1ヵ月";
  }
  return {};
}

// Year and month (1-12) `months` months after the series' first month.
void monthAfter(const DisplaySeries& s, long long months, int* year, int* month) {
  const struct tm start = toLocal(s.seriesStart);
  addMonths(start.tm_year + 1900, start.tm_mon + 1, months, *year, *month);
}

}  // namespace

std::string printDataName(const RecordingBuffer& recording) {
  return decodeShiftJisField(recording.dataName, sizeof recording.dataName);
}

ShownValues shownValues(const DisplaySeries& s) {
  ShownValues v;
  v.first = std::clamp(s.firstShownIndex, 0, std::max(s.valueCount, 0));
  const long long end = static_cast<long long>(v.first) + std::max(s.visibleCount, 0);
  v.end = static_cast<int>(std::min<long long>(end, s.valueCount));
  return v;
}

GraphSummary graphSummary(const DisplaySeries& s) {
  const ShownValues shown = shownValues(s);
  double maximum = 0.0;
  double sum = 0.0;
  for (int i = shown.first; i < shown.end; ++i) {
    maximum = std::max(maximum, s.values[i]);
    sum += s.values[i];
  }
  GraphSummary g;
  g.maximum = printf1("%5.1fmm", maximum);
  g.count = std::to_string(shown.count());
  g.average = printf1("%5.1fmm", shown.count() > 0 ? sum / shown.count() : 0.0);
  g.interval = intervalName(s.intervalMode);
  const int64_t step = barSeconds(s.intervalMode);
  const int64_t S = s.seriesStart + static_cast<int64_t>(s.firstShownIndex) * step;
  const int64_t E = S + static_cast<int64_t>(s.visibleCount) * step;
  switch (s.intervalMode) {
    case IntervalMode::Hourly:
      g.rangeStart = formatLocal(S, "%Y/%m/%d %H:00");
      g.rangeEnd = formatLocal(E, "～%Y/%m/%d %H:00");
      break;
    case IntervalMode::Daily:
      g.rangeStart = formatLocal(S - 86400, "%Y/%m/%d %H:00");
      g.rangeEnd = formatLocal(E, "～%Y/%m/%d %H:00");
      break;
    case IntervalMode::TenMinute:
      g.rangeStart = formatLocal(S, "%Y/%m/%d %H:%M");
      g.rangeEnd = formatLocal(E, "～%Y/%m/%d %H:%M");
      break;
    case IntervalMode::Monthly: {
      int y = 0;
      int m = 0;
      monthAfter(s, s.firstShownIndex, &y, &m);
      char text[64];
      std::snprintf(text, sizeof text, "%04d/%02d/01 00:00", y, m);
      g.rangeStart = text;
      monthAfter(s, static_cast<long long>(s.firstShownIndex) + s.visibleCount - 1, &y, &m);
      std::snprintf(text, sizeof text, "～%04d/%02d/%d 00:00", y, m, daysInMonthEveryFourthYearLeap(y, m));
      g.rangeEnd = text;
      break;
    }
  }
  return g;
}

std::string valueListEntry(const DisplaySeries& s, int i) {
  const double v = s.values[i];
  const int64_t k = static_cast<int64_t>(i) + 1;
  std::string label;
  switch (s.intervalMode) {
    case IntervalMode::Hourly: label = formatLocal(s.seriesStart + k * 3600, "%Y/%m/%d  ～%H:00"); break;
    case IntervalMode::Daily: label = formatLocal(s.seriesStart + (k - 1) * 86400, "%Y/%m/%d"); break;
    case IntervalMode::TenMinute: label = formatLocal(s.seriesStart + k * 600, "%Y/%m/%d  ～%H:%M"); break;
    case IntervalMode::Monthly: {
      int y = 0;
      int m = 0;
      monthAfter(s, i, &y, &m);
      std::string text;
      appendMonthLabel(y, m, text);
      return text + printf1("  %5.1fmm", v);
    }
  }
  return label + printf1("  %5.1fmm", v);
}

ReportPage graphFirstPage(const PrintLayout& l, const GraphPrintData& data) {
  ReportPage page;
  const ReportRect& r1 = l.rects.r1;
  const ReportRect& r2 = l.rects.r2;
  const int f = l.fonts.graph;
  page.texts.push_back({r1.right - 10 * f, r1.top - 2 * f, ReportFont::Graph,
                        formatLocal(data.printTime, "%Y/%m/%d %H:%M")});
  if (!data.loaded || data.series == nullptr) return page;
  page.hasChart = true;
  page.chart = r1;
  const GraphSummary g = graphSummary(*data.series);
  const int gh = l.fonts.label;
  const int x1 = r2.left;
  const int xm = r2.left + (r2.right - r2.left) / 2;
  const int xq1 = r2.left + (r2.right - r2.left) / 4;
  const int xq3 = r2.left + (r2.right - r2.left) * 3 / 4;
  const int y0 = r2.top;
  auto label = [&](int x, int y, const char* text) { page.texts.push_back({x, y, ReportFont::Label, text}); };
  auto value = [&](int x, int y, const std::string& text) { page.texts.push_back({x, y, ReportFont::Summary, text}); };
  label(x1, y0, "機種名");
  value(xq1, y0, data.dataName);
  label(xm, y0, "最大降雨量");
  value(xq3, y0, g.maximum);
  label(x1, y0 + 2 * gh, "ｻﾝﾌﾟﾙ数");
  value(xq1, y0 + 2 * gh, g.count);
  label(xm, y0 + 2 * gh, "平均降雨量");
  value(xq3, y0 + 2 * gh, g.average);
  label(x1, y0 + 4 * gh, "表示間隔");
  value(xq1, y0 + 4 * gh, g.interval);
  label(xm, y0 + 4 * gh, "表示範囲");
  value(xq3, y0 + 4 * gh, g.rangeStart);
  value(xq3, y0 + 6 * gh, g.rangeEnd);
  return page;
}

ReportPage valueListPage(const PrintLayout& l, const GraphPrintData& data, int page) {
  ReportPage out;
  const int lh = l.fonts.list;
  if (!data.loaded || data.series == nullptr || lh <= 0 || l.lines <= 0 || l.columns <= 0 || page < 2)
    return out;
  const ReportRect& r1 = l.rects.r1;
  const ReportRect& r2 = l.rects.r2;
  const ShownValues shown = shownValues(*data.series);
  const long long perPage = static_cast<long long>(l.columns) * l.lines;
  for (int j = 1; j <= l.columns; ++j) {
    const int x = r1.left + (r2.right - r1.left) * (j - 1) / l.columns;
    out.texts.push_back({x, r1.top + 30 - 100, ReportFont::List, "日付／時間"});
    const long long from = (page - 2) * perPage + static_cast<long long>(j - 1) * l.lines;
    for (int row = 0; row < l.lines; ++row) {
      const long long n = from + row;
      if (n >= shown.count()) break;
      out.texts.push_back({x, r1.top + 30 + row * lh, ReportFont::List,
                           valueListEntry(*data.series, shown.first + static_cast<int>(n))});
    }
  }
  return out;
}
