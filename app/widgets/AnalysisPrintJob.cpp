#include "AnalysisPrintJob.h"

#include "DrawingSurfaceQt.h"
#include "PrinterOutput.h"
#include "ReportPrintJob.h"
#include "ReportRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

int printRainAnalysis(QPrinter& printer, const RainAnalysisPrint& print) {
  const PageMetrics metrics = GetPageMetrics(printer);
  if (!metrics.usable()) return 0;
  AnalysisPageLayout layout = analysisPageLayout(metrics, printerOrientation(printer));
  const QFontMetrics body(
      DrawingSurfaceQt::japaneseFont(ReportRenderer::surfaceFont(ReportFont::TableBody, layout.fonts)), &printer);
  const TextWidth width = [&](const std::string& s) {
    return body.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
  };
  const std::vector<ReportPage> pages = buildRainAnalysisPages(print, layout, width);
  int from = 1;
  int to = static_cast<int>(pages.size());
  if (printer.fromPage() > 0) from = std::max(from, printer.fromPage());
  if (printer.toPage() > 0) to = std::min(to, printer.toPage());
  QPainter painter;
  if (from > to || !painter.begin(&printer)) return 0;
  int drawn = 0;
  for (int page = from; page <= to; ++page) {
    if (page > from && !printer.newPage()) break;
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
  return printPdfFile(path, orientation, [&print](QPrinter& printer) { return printRainAnalysis(printer, print); });
}
