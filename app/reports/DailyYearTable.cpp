#include "DailyYearTable.h"

#include "Calendar.h"
#include "LocalTime.h"

#include <cstdio>

std::string dailyYearEraLine(int64_t tableStart) {
  const int year = toLocal(tableStart).tm_year + 1900;
  const int n = year - 1988;
  const std::string yyyy = formatLocal(tableStart, "%Y");
  char text[96];
  if (year > 1988 && n >= 31)
    std::snprintf(text, sizeof text, "令和 %d 年 （西暦 %s 年）", n - 30, yyyy.c_str());
  else if (year > 1988)
    std::snprintf(text, sizeof text, "平成 %d 年 （西暦 %s 年）", n, yyyy.c_str());
  else
    std::snprintf(text, sizeof text, "平成    年 （西暦 %s 年）", yyyy.c_str());
  return text;
}

ReportPage buildDailyYearTable(const TableSnapshot& snap, const ReportRect& rect, int fh,
                               const TextWidth& width) {
  ReportPage page;
  const int X0 = rect.left;
  const int Y0 = rect.top;
  const int X1 = rect.right;
  const int Y1 = rect.bottom;
  const int w = X1 - X0;
  const int h = Y1 - Y0;
  const int B = w / 14;
  const int v = h / 40;
  const int u = h / 35;
  const int K = h % 35;
  const int s = u / 3;
  auto line = [&](int x1, int y1, int x2, int y2) { page.lines.push_back({x1, y1, x2, y2}); };
  auto text = [&](int x, int y, std::string t) { page.texts.push_back({x, y, ReportFont::TableBody, std::move(t)}); };
  auto number = [](int n) { return std::to_string(n); };

  // Small box, station band, grid.
  const int yb = Y0 - h / 16;
  for (int j = 0; j <= 2; ++j) line(X0, yb + j * v, X0 + 3 * B, yb + j * v);
  for (int k : {0, 1, 3}) line(X0 + k * B, yb, X0 + k * B, yb + 2 * v);
  const int Yh = Y0 + 2 * u + K;
  line(X0, Yh, X1, Yh);
  line(X0, Y0, X1, Y0);
  for (int x : {X0, X0 + w / 9, (4 * X1 - 3 * X0) / 9, (5 * X1 - 4 * X0) / 9, (7 * X1 - 6 * X0) / 9,
                (8 * X1 - 7 * X0) / 9, X1})
    line(x, Y0, x, Yh);
  for (int j = 0; j <= 32; ++j) line(X0, Y0 + 3 * u + K + j * u, X1, Y0 + 3 * u + K + j * u);
  for (int i = 0; i <= 14; ++i) line(X0 + i * B, Yh, X0 + i * B, Y1);

  page.texts.push_back({X0 + 2 * w / 5, Y0 - 4 * u, ReportFont::TableTitle, "日 雨 量 年 表"});

  // Headings.
  text(X0 + 10 * B, Y0 - h / 30, dailyYearEraLine(snap.tableStart));
  text(X0, Y0 - h / 17, " 種別");
  text(X0 + B, Y0 - h / 17, " 観測所記号");
  const int yBand = Y0 + 2 * u / 3;
  text(X0 + 10, yBand, " 水系名");
  text((4 * X1 - 3 * X0) / 9, yBand, " 河川名");
  text((7 * X1 - 6 * X0) / 9, yBand, " 観測所名");
  text((8 * X1 - 7 * X0) / 9, yBand, snap.stationName);
  const int yHead = Y0 + 2 * u + s + K;
  text(X0 + 10, yHead, "日／月");
  for (int m = 1; m <= 13; ++m) text(X0 + m * B + B / 2 + 10, yHead, m <= 12 ? number(m) : "計");
  for (int r = 1; r <= 32; ++r) text(X0 + B / 2, Y0 + 3 * u + s + K + (r - 1) * u, r <= 31 ? number(r) : "計");

  // Where the year's values start.
  const int year = toLocal(snap.tableStart).tm_year + 1900;
  const int daysInYear = year % 4 == 0 ? 366 : 365;
  const int count = static_cast<int>(snap.values.size());
  const int64_t offset = (snap.tableStart - snap.seriesStart) / 86400;
  int index = 0;
  int64_t gap = 0;
  if (offset >= 1) {
    index = offset < count ? static_cast<int>(offset) : count;
  } else {
    gap = (static_cast<int64_t>(snap.seriesStart) - snap.tableStart) / 86400;
    if (gap > daysInYear) index = count;
  }
  if (index >= count) return page;

  auto cell = [&](int m, int r, double value) {
    page.texts.push_back(tableCell(X0 + m * B + B / 2, Y0 + (r + 2) * u + s + K, value, fh, X0 + m * B, B, width));
  };
  double rowTotal[33] = {};
  bool rowFlag[33] = {};
  bool anyValue = false;
  int64_t visited = 0;
  bool stopped = false;
  for (int m = 1; m <= 12 && !stopped; ++m) {
    const int days = daysInMonthEveryFourthYearLeap(year, m);
    double monthSum = 0.0;
    for (int r = 1; r <= 32 && !stopped; ++r) {
      if (r <= 31) {
        if (r > days) continue;
        if (++visited <= gap) continue;
        const double value = snap.shownValue(static_cast<size_t>(index));
        cell(m, r, value);
        rowFlag[r] = true;
        anyValue = true;
        rowTotal[r] += value;
        monthSum += value;
        if (++index >= count) {
          cell(m, 32, monthSum);
          stopped = true;
        }
      } else {
        if (anyValue) cell(m, 32, monthSum);
        monthSum = 0.0;
      }
    }
  }

  // Totals column.
  double grand = 0.0;
  for (int r = 1; r <= 31; ++r) {
    if (!rowFlag[r]) continue;
    cell(13, r, rowTotal[r]);
    grand += rowTotal[r];
  }
  if (anyValue) cell(13, 32, grand);
  return page;
}
