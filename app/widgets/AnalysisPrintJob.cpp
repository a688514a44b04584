#include "AnalysisPrintJob.h"

#include "DrawingSurfaceQt.h"
#include "PrinterOutput.h"
#include "ReportPrintJob.h"
#include "ReportRenderer.h"

#include <QFile>
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
  const QString target = QString::fromStdString(path);
  const QString part = target + QStringLiteral(".part");
  int pages = 0;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation == PaperOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    setUpPrinter(printer);
    pages = printRainAnalysis(printer, print);
  }
  if (pages == 0 || (QFile::exists(target) && !QFile::remove(target)) || !QFile::rename(part, target)) {
    QFile::remove(part);
    return 0;
  }
  return pages;
}
