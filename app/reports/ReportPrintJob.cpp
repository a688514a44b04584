#include "ReportPrintJob.h"

#include "ChartPainter.h"
#include "DailyYearTable.h"
#include "DrawingSurfaceQt.h"
#include "HourlyMonthTable.h"
#include "ReportRenderer.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The device's own font, before a job selects one of its fonts: 10 points
// in the program's face.
int stockTextHeight(const QPaintDevice& device) {
  QFont font = DrawingSurfaceQt::japaneseFont(SurfaceFont{});
  font.setPointSize(10);
  return QFontMetrics(font, &device).height();
}

}  // namespace

PageMetrics GetPageMetrics(const QPaintDevice& device) {
  PageMetrics m;
  m.widthMm = device.widthMM();
  m.heightMm = device.heightMM();
  m.widthPx = device.width();
  m.heightPx = device.height();
  m.dpiX = device.logicalDpiX();
  m.dpiY = device.logicalDpiY();
  return m;
}

ReportPrintJob::ReportPrintJob(RecordingState* state) : m_state(state) {}

ReportPrintJob::~ReportPrintJob() = default;

bool ReportPrintJob::beginPrinting(const QPaintDevice& device, PaperOrientation orientation,
                                   const PrintSource& source) {
  m_source = source;
  const int shown = source.graph.series != nullptr ? shownValues(*source.graph.series).count() : 0;
  m_layout = planPrintLayout(GetPageMetrics(device), orientation, stockTextHeight(device), source.mode, shown);
  if (!m_layout) return false;
  m_bodyMetrics.emplace(DrawingSurfaceQt::japaneseFont(ReportRenderer::surfaceFont(ReportFont::TableBody, m_layout->fonts)),
                        &device);
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
    ChartInput in;
    in.left = r.left;
    in.top = r.top;
    in.right = r.left + r.width();
    in.bottom = r.top + r.height();
    in.series = m_source.graph.series;
    in.overlay = m_source.graph.overlay;
    ChartPainter::paint(painter, DrawingSurfaceQt::japaneseFont(font), std::move(in));
  });
  painter.restore();
}

void ReportPrintJob::endPrinting() {
  m_hold.reset();
  m_bodyMetrics.reset();
  m_layout.reset();
}

int ReportPrintJob::run(QPagedPaintDevice& device, PaperOrientation orientation, const PrintSource& source,
                        int fromPage, int toPage) {
  int drawn = 0;
  if (beginPrinting(device, orientation, source)) {
    int from = 1;
    int to = lastPage();
    if (fromPage > 0) from = std::max(from, fromPage);
    if (toPage > 0) to = std::min(to, toPage);
    QPainter painter;
    if (from <= to && painter.begin(&device)) {
      for (int page = from; page <= to; ++page) {
        if (page > from && !device.newPage()) break;
        printPage(painter, page);
        ++drawn;
      }
      painter.end();
    }
  }
  endPrinting();
  return drawn;
}
