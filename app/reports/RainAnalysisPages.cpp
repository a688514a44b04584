#include "RainAnalysisPages.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

struct TablePart {
  std::string title;
  std::string settingsLine;
  const AnalysisTable* table;
};

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

using Measure = std::function<int(const std::string&)>;

int cellPadding(int bodyHeight) { return std::max(bodyHeight / 2, 1); }

// The width of a table: each column its widest text and a padding each side.
int tableWidth(const AnalysisTable& t, const Measure& measure, int pad) {
  std::vector<int> widths;
  for (const std::string& c : t.columns) widths.push_back(measure(columnTitle(c)));
  for (const auto& row : t.rows)
    for (size_t c = 0; c < row.size() && c < widths.size(); ++c)
      widths[c] = std::max(widths[c], measure(cellDisplayText(t.columns[c], row[c])));
  int total = 0;
  for (int w : widths) total += w + 2 * pad;
  return total;
}

// Lays one table out over pages appended to out.
void appendTablePages(const TablePart& part, const std::string& dataName, const AnalysisPageLayout& layout,
                      const Measure& measure, std::vector<ReportPage>& out) {
  const AnalysisTable& t = *part.table;
  const ReportRect& a = layout.area;
  const int body = layout.fonts.tableBody;
  const int title = layout.fonts.tableTitle;
  const int pad = cellPadding(body);
  const int rowHeight = body + pad;

  std::vector<std::string> heads;
  std::vector<int> widths;
  for (const std::string& c : t.columns) {
    heads.push_back(columnTitle(c));
    widths.push_back(measure(heads.back()));
  }
  std::vector<std::vector<std::string>> cells;
  for (const auto& row : t.rows) {
    std::vector<std::string> texts;
    for (size_t c = 0; c < row.size() && c < t.columns.size(); ++c) {
      texts.push_back(cellDisplayText(t.columns[c], row[c]));
      widths[c] = std::max(widths[c], measure(texts.back()));
    }
    cells.push_back(std::move(texts));
  }
  std::vector<int> xs{a.left};
  for (int w : widths) xs.push_back(std::min(xs.back() + w + 2 * pad, a.right));

  const int gridTop = a.top + 2 * title + rowHeight;
  const int footer = 2 * body;
  const int perPage = std::max((a.bottom - footer - gridTop - rowHeight) / rowHeight, 1);
  const size_t rows = cells.size();
  size_t from = 0;
  do {
    ReportPage page;
    page.texts.push_back({a.left, a.top, ReportFont::TableTitle, part.title});
    if (!dataName.empty()) page.texts.push_back({xs.back() - measure(dataName), a.top, ReportFont::TableBody, dataName});
    page.texts.push_back({a.left, a.top + title + pad, ReportFont::TableBody, part.settingsLine});
    const size_t to = std::min(rows, from + static_cast<size_t>(perPage));
    const int lastLine = gridTop + rowHeight * static_cast<int>(to - from + 1);
    for (int y = gridTop, r = 0; r <= static_cast<int>(to - from) + 1; ++r, y += rowHeight)
      page.lines.push_back({xs.front(), y, xs.back(), y});
    for (int x : xs) page.lines.push_back({x, gridTop, x, lastLine});
    auto place = [&](int y, size_t c, const std::string& text, bool right) {
      const int x = right ? xs[c + 1] - pad - measure(text) : xs[c] + pad;
      page.texts.push_back({x, y + pad / 2, ReportFont::TableBody, text});
    };
    for (size_t c = 0; c < heads.size(); ++c) place(gridTop, c, heads[c], false);
    for (size_t r = from; r < to; ++r) {
      const int y = gridTop + rowHeight * static_cast<int>(r - from + 1);
      for (size_t c = 0; c < cells[r].size(); ++c)
        if (!cells[r][c].empty()) place(y, c, cells[r][c], t.rows[r][c].number);
    }
    out.push_back(std::move(page));
    from = to;
  } while (from < rows);
}

}  // namespace

AnalysisPageLayout analysisPageLayout(const PageMetrics& m, PaperOrientation orientation) {
  AnalysisPageLayout l;
  const PageMargins g = GetPageMargins(m, orientation);
  l.area = {g.left, g.top, m.widthPx - g.right, m.heightPx - g.bottom};
  // Nine-point body and fourteen-point titles, from the printer's own dpi.
  l.fonts.tableBody = m.dpiY * 9 / 72;
  l.fonts.tableTitle = m.dpiY * 14 / 72;
  return l;
}

std::string analysisSettingsLine(const RainAnalysisSettings& s, AnalysisTab tab) {
  if (tab == AnalysisTab::Maxima)
    return s.monthlyMaxima ? "全期間・年別・月別 (各期間に終了時刻をもつ窓)" : "全期間・年別 (各期間に終了時刻をもつ窓)";
  std::string line = "無降雨間隔 " + std::to_string(s.gapMinutes) + "分";
  if (s.minDepthMm > 0) line += "  最小総雨量 " + number(s.minDepthMm) + "mm";
  if (s.alarms.continuousMm) line += "  連続雨量基準 " + number(*s.alarms.continuousMm) + "mm";
  if (s.alarms.hourlyMm) line += "  時間雨量基準 " + number(*s.alarms.hourlyMm) + "mm";
  if (s.alarms.hasCombined())
    line += "  複合基準 連続" + number(*s.alarms.combinedContinuousMm) + "mm・時間" +
            number(*s.alarms.combinedHourlyMm) + "mm";
  return line;
}

std::vector<ReportPage> buildRainAnalysisPages(const RainAnalysisPrint& print, AnalysisPageLayout& layout,
                                               const TextWidth& width) {
  const int body = layout.fonts.tableBody;
  const Measure natural = [&](const std::string& s) {
    return width ? width(s) : static_cast<int>(s.size()) * body / 2;
  };
  const int widest = std::max(tableWidth(print.events, natural, cellPadding(body)),
                              tableWidth(print.maxima, natural, cellPadding(body)));
  // Every width scales with the font's height; two in a hundred spare
  // absorb the rounding of the smaller font.
  double scale = 1.0;
  if (widest > layout.area.width() && widest > 0) {
    scale = 0.98 * layout.area.width() / widest;
    layout.fonts.tableBody = std::max(static_cast<int>(body * scale), 1);
  }
  const Measure measure = [&](const std::string& s) { return static_cast<int>(natural(s) * scale); };
  std::vector<ReportPage> pages;
  appendTablePages({"降雨ｲﾍﾞﾝﾄ", analysisSettingsLine(print.settings, AnalysisTab::Events), &print.events},
                   print.dataName, layout, measure, pages);
  appendTablePages({"期間最大雨量", analysisSettingsLine(print.settings, AnalysisTab::Maxima), &print.maxima},
                   print.dataName, layout, measure, pages);
  const int n = static_cast<int>(pages.size());
  for (int i = 0; i < n; ++i) {
    const std::string text = std::to_string(i + 1) + " / " + std::to_string(n);
    const int w = measure(text);
    pages[static_cast<size_t>(i)].texts.push_back(
        {layout.area.right - w, layout.area.bottom - layout.fonts.tableBody, ReportFont::TableBody, text});
  }
  return pages;
}
