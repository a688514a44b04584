#include "ReportPrintJob.h"

#include "DailyYearTable.h"
#include "DrawingSurfaceQt.h"
#include "GraphPlotCtrl.h"
#include "HourlyMonthTable.h"
#include "ReportRenderer.h"

#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr int kPrintResolution = 600;

// The device's own font, before a job selects one of its fonts: 10 points
// in the program's face.
int stockTextHeight(QPrinter& printer) {
  QFont font = DrawingSurfaceQt::japaneseFont(SurfaceFont{});
  font.setPointSize(10);
  return QFontMetrics(font, &printer).height();
}

}  // namespace

PageMetrics GetPageMetrics(QPrinter& printer) {
  PageMetrics m;
  m.widthMm = printer.widthMM();
  m.heightMm = printer.heightMM();
  m.widthPx = printer.width();
  m.heightPx = printer.height();
  m.dpiX = printer.logicalDpiX();
  m.dpiY = printer.logicalDpiY();
  return m;
}

PaperOrientation printerOrientation(const QPrinter& printer) {
  return printer.pageLayout().orientation() == QPageLayout::Landscape ? PaperOrientation::Landscape
                                                                       : PaperOrientation::Portrait;
}

void setUpPrinter(QPrinter& printer) {
  printer.setResolution(kPrintResolution);
  printer.setFullPage(false);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

ReportPrintJob::ReportPrintJob(GraphPlotCtrl& chart, RecordingState* state) : m_chart(chart), m_state(state) {}

ReportPrintJob::~ReportPrintJob() = default;

bool ReportPrintJob::beginPrinting(QPrinter& printer, const PrintSource& source) {
  m_source = source;
  const int shown = source.graph.series != nullptr ? shownValues(*source.graph.series).count() : 0;
  m_layout = planPrintLayout(GetPageMetrics(printer), printerOrientation(printer), stockTextHeight(printer),
                             source.mode, shown);
  if (!m_layout) return false;
  m_bodyMetrics.emplace(DrawingSurfaceQt::japaneseFont(ReportRenderer::surfaceFont(ReportFont::TableBody, m_layout->fonts)),
                        &printer);
  if (m_state != nullptr) m_hold = std::make_unique<PrintJobHold>(*m_state);
  return true;
}

int ReportPrintJob::bodyTextWidth(const std::string& utf8) const {
  if (!m_bodyMetrics) return 0;
  return m_bodyMetrics->horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

ReportPage ReportPrintJob::pageData(int page) const {
  if (!m_layout) return {};
  const PrintLayout& l = *m_layout;
  if (page >= 2) return valueListPage(l, m_source.graph, page);
  if (l.mode.tableFlag) {
    if (m_source.table == nullptr) return {};
    const TextWidth width = [this](const std::string& s) { return bodyTextWidth(s); };
    if (l.mode.tableKind == 1) return buildDailyYearTable(*m_source.table, l.rects.table, l.fonts.tableBody, width);
    return buildHourlyMonthTable(*m_source.table, l.rects.table, l.fonts.tableBody, width);
  }
  return graphFirstPage(l, m_source.graph);
}

void ReportPrintJob::printPage(QPainter& painter, int page) {
  if (!m_layout) return;
  if (m_layout->mode.tableFlag ? !m_layout->mode.tablePage() : !m_layout->mode.graphPage()) return;
  const ReportPage data = pageData(page);
  painter.save();
  DrawingSurfaceQt surface(painter, DrawingSurfaceQt::japaneseFont(SurfaceFont{}));
  ReportRenderer::draw(data, m_layout->fonts, surface, [&](const ReportRect& r, const SurfaceFont& font) {
    if (m_source.graph.series == nullptr) return;
    const double pitch = m_chart.barPitch();
    const double tick = lastTickPosition();
    m_chart.paintToDevice(painter, QRect(r.left, r.top, r.width(), r.height()), DrawingSurfaceQt::japaneseFont(font),
                          *m_source.graph.series);
    m_chart.restoreBarPitch(pitch);
    lastTickPosition() = tick;
  });
  painter.restore();
}

void ReportPrintJob::endPrinting() {
  m_hold.reset();
  m_bodyMetrics.reset();
  m_layout.reset();
}

int ReportPrintJob::run(QPrinter& printer, const PrintSource& source) {
  int drawn = 0;
  if (beginPrinting(printer, source)) {
    int from = 1;
    int to = lastPage();
    if (printer.fromPage() > 0) from = std::max(from, printer.fromPage());
    if (printer.toPage() > 0) to = std::min(to, printer.toPage());
    QPainter painter;
    if (from <= to && painter.begin(&printer)) {
      for (int page = from; page <= to; ++page) {
        if (page > from && !printer.newPage()) break;
        printPage(painter, page);
        ++drawn;
      }
      painter.end();
    }
  }
  endPrinting();
  return drawn;
}

namespace {

int printToPdf(const std::string& path, const PrintSource& source, PaperOrientation orientation,
               GraphPlotCtrl* chart) {
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
    std::unique_ptr<GraphPlotCtrl> own;
    if (chart == nullptr) {
      own = std::make_unique<GraphPlotCtrl>();
      chart = own.get();
    }
    ReportPrintJob job(*chart, nullptr);
    pages = job.run(printer, source);
  }
  if (pages == 0 || (QFile::exists(target) && !QFile::remove(target)) || !QFile::rename(part, target)) {
    QFile::remove(part);
    return 0;
  }
  return pages;
}

}  // namespace

int printGraphToPdf(const std::string& path, const GraphPrintData& data, PaperOrientation orientation,
                    GraphPlotCtrl* chart) {
  PrintSource source;
  source.mode = PrintMode{-1, false, 0};
  source.graph = data;
  return printToPdf(path, source, orientation, chart);
}

int printTableToPdf(const std::string& path, const TableSnapshot& table, TableKind kind,
                    PaperOrientation orientation) {
  PrintSource source;
  source.mode = PrintMode{-1, true, static_cast<int>(kind)};
  source.table = &table;
  return printToPdf(path, source, orientation, nullptr);
}
