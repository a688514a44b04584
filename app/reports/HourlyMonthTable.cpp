#include "HourlyMonthTable.h"

#include "Calendar.h"
#include "LocalTime.h"

#include <cstdio>

namespace {

constexpr int kRows = 27;  // 24 hours, two subtotals and the day total

bool isHourRow(int r) { return (r >= 1 && r <= 9) || (r >= 11 && r <= 25); }

std::string number(const char* pattern, int n) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, n);
  return text;
}

// Row labels: left and right of the grid.
std::string leftLabel(int r) {
  if (r == 1) return "0～1";
  if (r <= 9) return number("%d", r);
  if (r == 10 || r == 26) return "小計";
  if (r <= 25) return number("%d", r - 1);
  return "合計";
}

std::string rightLabel(int r) {
  if (r == 1) return "0～1";
  if (r <= 9) return number("～%d", r);
  if (r == 10 || r == 26) return "小計";
  if (r <= 25) return number("～%d", r - 1);
  return "合計";
}

}  // namespace

std::string hourlyMonthEraLine(int64_t tableStart) {
  const struct tm f = toLocal(tableStart);
  const int year = f.tm_year + 1900;
  const int month = f.tm_mon + 1;
  const int n = year - 1988;
  const std::string mm = formatLocal(tableStart, "%m");
  char text[96];
  if (year > 1988 && ((n >= 31 && month >= 5) || n >= 32))
    std::snprintf(text, sizeof text, "令和 %d 年 %s 月", n - 30, mm.c_str());
  else if (year > 1988)
    std::snprintf(text, sizeof text, "平成 %d 年 %s 月", n, mm.c_str());
  else
    std::snprintf(text, sizeof text, "平成    年 %s 月", mm.c_str());
  return text;
}

ReportPage buildHourlyMonthTable(const TableSnapshot& snap, const ReportRect& rect, int fh,
                                 const TextWidth& width) {
  ReportPage page;
  const int X0 = rect.left;
  const int Y0 = rect.top;
  const int X1 = rect.right;
  const int Y1 = rect.bottom;
  const int w = X1 - X0;
  const int h = Y1 - Y0;
  const int L = w / 34;
  const int N = h / 30;
  const int R = h % 30;
  const int t = h / 90;
  auto line = [&](int x1, int y1, int x2, int y2) { page.lines.push_back({x1, y1, x2, y2}); };
  auto text = [&](int x, int y, std::string s) { page.texts.push_back({x, y, ReportFont::TableBody, std::move(s)}); };

  // Station band, grid and the small box.
  const int Yh = Y0 + 2 * N + R;
  line(X0, Y0, X0 + 16 * L, Y0);
  line(X0, Yh, X1, Yh);
  for (int k : {0, 2, 5, 7, 10, 12, 16}) line(X0 + k * L, Y0, X0 + k * L, Yh);
  for (int j = 0; j <= 27; ++j) line(X0, Y0 + 3 * N + R + j * N, X1, Y0 + 3 * N + R + j * N);
  for (int i = 0; i <= 33; ++i) line(X0 + i * L, Yh, X0 + i * L, Y1);
  line(X1, Yh, X1, Y1);
  const int yb = Y0 - h / 10;
  for (int j = 0; j <= 2; ++j) line(X0, yb + j * N, X0 + 4 * L, yb + j * N);
  for (int k : {0, 1, 4}) line(X0 + k * L, yb, X0 + k * L, yb + 2 * N);

  page.texts.push_back({X0 + 2 * w / 5, Y0 - 5 * N, ReportFont::TableTitle, "時 間 雨 量 月 表"});

  // Headings.
  text(X0 + 29 * L, Y0 + h / 50, formatLocal(snap.tableStart, "（西暦  %Y年）"));
  text(X0 + 29 * L, Y0 + h / 20, hourlyMonthEraLine(snap.tableStart));
  text(X0 + L / 8, Y0 - h / 11, " 種別");
  text(X0 + L + 10, Y0 - h / 11, " 観測所記号");
  const int yBand = Y0 + 2 * N / 3;
  text(X0 + L / 8, yBand, " 水系名");
  text(X0 + 5 * L + 10, yBand, " 河川名");
  text(X0 + 10 * L + 10, yBand, " 観測所名");
  text(X0 + 12 * L + 10, yBand, snap.stationName);
  const int yHead = Y0 + 2 * N + t;
  text(X0 + L / 8, yHead, "日時");
  for (int k = 1; k <= 33; ++k) {
    const int x = X0 + k * L + L / 2 - L / 3;
    text(x, yHead, k <= 31 ? number("%d", k) : (k == 32 ? "計" : "日時"));
  }
  for (int r = 1; r <= kRows; ++r) {
    const int y = Y0 + 3 * N + t + R + (r - 1) * N;
    const bool numbered = isHourRow(r) && r != 1;
    text(numbered ? X0 + L / 2 : X0 + L / 8, y, leftLabel(r));
    text(X0 + 33 * L + L / 8, y, rightLabel(r));
  }

  // Cells.
  const int count = static_cast<int>(snap.values.size());
  const int64_t offset = (snap.tableStart - snap.seriesStart) / 3600;
  int index = 0;
  int64_t gap = 0;
  if (offset >= 1)
    index = offset < count ? static_cast<int>(offset) : count;
  else
    gap = (static_cast<int64_t>(snap.seriesStart) - snap.tableStart) / 3600;
  if (index >= count) return page;

  auto cell = [&](int k, int r, double v) {
    page.texts.push_back(tableCell(X0 + k * L + L / 2, Y0 + (r + 2) * N + t, v, fh, X0 + k * L, L, width));
  };
  const struct tm start = toLocal(snap.tableStart);
  const int days = daysInMonthEveryFourthYearLeap(start.tm_year + 1900, start.tm_mon + 1);
  double rowTotal[kRows + 1] = {};
  bool rowFlag[kRows + 1] = {};
  bool block1 = false;
  bool block2 = false;
  bool totalShown = false;
  int64_t visited = 0;
  bool stopped = false;
  for (int k = 1; k <= 31 && !stopped; ++k) {
    if (k > days) continue;
    double sub1 = 0.0;
    double sub2 = 0.0;
    double dayTotal = 0.0;
    for (int r = 1; r <= kRows && !stopped; ++r) {
      if (isHourRow(r)) {
        if (++visited <= gap) continue;
        const double v = snap.shownValue(static_cast<size_t>(index));
        cell(k, r, v);
        rowTotal[r] += v;
        rowFlag[r] = true;
        (r <= 9 ? sub1 : sub2) += v;
        if (++index < count) continue;
        // The last value: this day's running subtotal, and its total with
        // whatever the earlier block already added; the flags are set first
        // so that the totals column shows these rows too.
        if (r <= 9) {
          block1 = true;
          cell(k, 10, sub1);
          dayTotal += sub1;
        } else {
          block2 = true;
          cell(k, 26, sub2);
          dayTotal += sub2;
        }
        totalShown = true;
        cell(k, 27, dayTotal);
        stopped = true;
      } else if (r == 10 || r == 26) {
        const int first = r == 10 ? 1 : 11;
        bool& flag = r == 10 ? block1 : block2;
        double& sub = r == 10 ? sub1 : sub2;
        for (int q = first; q < first + (r == 10 ? 9 : 15); ++q) flag = flag || rowFlag[q];
        if (flag) {
          cell(k, r, sub);
          dayTotal += sub;
        }
        sub = 0.0;
      } else {
        if (block1 || block2) totalShown = true;
        if (totalShown) cell(k, 27, dayTotal);
        dayTotal = 0.0;
      }
    }
  }

  // Totals column.
  double sum1 = 0.0;
  double sum2 = 0.0;
  for (int r = 1; r <= 25; ++r) {
    if (!isHourRow(r)) continue;
    if (rowFlag[r]) cell(32, r, rowTotal[r]);
    (r <= 9 ? sum1 : sum2) += rowTotal[r];
  }
  if (block1) cell(32, 10, sum1);
  if (block2) cell(32, 26, sum2);
  if (totalShown) cell(32, 27, sum1 + sum2);
  return page;
}
