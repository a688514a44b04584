#include "PageSetup.h"

int PrintFontHeights::of(ReportFont font) const {
  switch (font) {
    case ReportFont::Graph: return graph;
    case ReportFont::Label: return label;
    case ReportFont::Summary: return summary;
    case ReportFont::List: return list;
    case ReportFont::TableTitle: return tableTitle;
    case ReportFont::TableBody: return tableBody;
  }
  return 0;
}

PageMargins GetPageMargins(const PageMetrics& m, PaperOrientation orientation) {
  const int H = m.widthPx;
  const int V = m.heightPx;
  const int Hmm = m.widthMm;
  const int Vmm = m.heightMm;
  if (Hmm <= 0 || Vmm <= 0) return {};
  if (orientation == PaperOrientation::Landscape)
    return {H * 50 / 3 / Hmm, H * 30 / 3 / Hmm, V * 50 / 3 / Vmm, V * 20 / 3 / Vmm};
  return {H * 25 / Hmm, H * 15 / Hmm, V * 25 / Vmm, V * 10 / Vmm};
}

PageRects GetPageRects(const PageMetrics& m, const PageMargins& g, int stockTextHeight) {
  const int H = m.widthPx;
  const int V = m.heightPx;
  PageRects r;
  r.r1 = {g.left, g.top, H - g.right, V - V / 4 - g.bottom};
  r.r2 = {g.left, r.r1.bottom + 5 * stockTextHeight, H - g.right, V - g.bottom};
  r.table = {r.r1.left, r.r1.top + (r.r1.bottom - r.r1.top) / 7, r.r2.right, r.r2.bottom};
  return r;
}

PrintFontHeights printFontHeights(int hp, const PrintMode& mode, PaperOrientation orientation) {
  const bool portrait = orientation != PaperOrientation::Landscape;
  PrintFontHeights f;
  if (mode.tableFlag) {
    f.tableTitle = portrait ? hp / 50 : hp / 30;
    if (mode.tableKind == 1)
      f.tableBody = portrait ? hp / 80 : hp / 60;
    else
      f.tableBody = portrait ? hp / 180 : hp / 70;
  } else {
    f.graph = portrait ? hp / 90 : hp / 70;
    f.label = portrait ? hp / 70 : hp / 50;
    f.summary = f.label;
    f.list = portrait ? hp / 120 : hp / 90;
  }
  return f;
}

int listColumns(PaperOrientation orientation) { return orientation == PaperOrientation::Landscape ? 6 : 3; }

int linesPerColumn(const PageRects& rects, int listFontHeight) {
  if (listFontHeight <= 0) return 0;
  const int lines = rects.r2.height() / listFontHeight;
  return lines > 0 ? lines : 0;
}

int listPageCount(int shown, int columns, int lines) {
  const long long perPage = static_cast<long long>(columns) * lines;
  if (perPage <= 0 || shown <= 0) return 1;
  return static_cast<int>((shown + perPage - 1) / perPage);
}

std::optional<PrintLayout> planPrintLayout(const PageMetrics& metrics, PaperOrientation orientation,
                                           int stockTextHeight, const PrintMode& mode, int shownValues) {
  if (!metrics.usable()) return std::nullopt;
  PrintLayout l;
  l.metrics = metrics;
  l.orientation = orientation;
  l.mode = mode;
  l.margins = GetPageMargins(metrics, orientation);
  l.rects = GetPageRects(metrics, l.margins, stockTextHeight);
  const int hp = metrics.heightPx - l.margins.top - l.margins.bottom;
  l.fonts = printFontHeights(hp, mode, orientation);
  l.columns = listColumns(orientation);
  if (mode.tableFlag) {
    l.lastPage = 1;
  } else {
    l.lines = linesPerColumn(l.rects, l.fonts.list);
    l.lastPage = 1 + listPageCount(shownValues, l.columns, l.lines);
  }
  return l;
}
