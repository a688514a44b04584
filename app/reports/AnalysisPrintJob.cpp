#include "AnalysisPrintJob.h"

#include "DrawingSurfaceQt.h"
#include "PdfFileOutput.h"
#include "ReportPrintJob.h"
#include "ReportRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPagedPaintDevice>

#include <algorithm>

int printRainAnalysis(QPagedPaintDevice& device, PaperOrientation orientation, const RainAnalysisPrint& print,
                      int fromPage, int toPage) {
  const PageMetrics metrics = GetPageMetrics(device);
  if (!metrics.usable()) return 0;
  AnalysisPageLayout layout = analysisPageLayout(metrics, orientation);
  const QFontMetrics body(
      DrawingSurfaceQt::japaneseFont(ReportRenderer::surfaceFont(ReportFont::TableBody, layout.fonts)), &device);
  const TextWidth width = [&](const std::string& s) {
    return body.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
  };
  const std::vector<ReportPage> pages = buildRainAnalysisPages(print, layout, width);
  int from = 1;
  int to = static_cast<int>(pages.size());
  if (fromPage > 0) from = std::max(from, fromPage);
  if (toPage > 0) to = std::min(to, toPage);
  QPainter painter;
  if (from > to || !painter.begin(&device)) return 0;
  int drawn = 0;
  for (int page = from; page <= to; ++page) {
    if (page > from && !device.newPage()) break;
    painter.save();
    DrawingSurfaceQt surface(painter, DrawingSurfaceQt::japaneseFont(SurfaceFont{}));
    ReportRenderer::draw(pages[static_cast<size_t>(page - 1)], layout.fonts, surface);
    painter.restore();
    ++drawn;
  }
  painter.end();
  return drawn;
}

int printRainAnalysisToPdf(const std::string& path, const RainAnalysisPrint& print, PaperOrientation orientation) {
  return printPdfFile(path, orientation, [&](QPagedPaintDevice& device) { return printRainAnalysis(device, orientation, print); });
}
