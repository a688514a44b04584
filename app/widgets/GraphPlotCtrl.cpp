#include "GraphPlotCtrl.h"

#include "ChartBitmaps.h"
#include "ChartPainter.h"

#include <QMouseEvent>

namespace {

constexpr int kBitmapIds[6] = {GraphPlotCtrl::kRightArrow,        GraphPlotCtrl::kHandleB,
                               GraphPlotCtrl::kLeftArrow,         GraphPlotCtrl::kHandleA,
                               GraphPlotCtrl::kLeftArrowPressed,  GraphPlotCtrl::kRightArrowPressed};

}  // namespace

GraphPlotCtrl::GraphPlotCtrl(QWidget* parent) : QWidget(parent) {
  // The view paints the chart, band included, under this widget; the
  // widget itself draws nothing.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  m_labelFont = ChartPainter::labelFont();
  for (size_t i = 0; i < m_bitmaps.size(); ++i) m_bitmaps[i] = ChartBitmaps::make(kBitmapIds[i]);
}

GraphPlotCtrl::~GraphPlotCtrl() = default;

ChartInput GraphPlotCtrl::screenInput(const QRect& plotRect, bool loaded, const DisplaySeries& series,
                                      const ChartOverlayData* overlay) const {
  ChartInput in;
  in.right = plotRect.width();
  in.bottom = plotRect.height();
  in.loaded = loaded;
  in.series = &series;
  in.cursors = true;
  in.cursorAX = m_cursorAX;
  in.cursorBX = m_cursorBX;
  in.viewOffsetX = plotRect.left();
  in.band = m_band.dragging();
  in.bandLeft = m_band.bandLeft();
  in.bandRight = m_band.bandRight();
  in.overlay = overlay;
  return in;
}

const QImage& GraphPlotCtrl::bitmap(int resourceId) const {
  for (size_t i = 0; i < m_bitmaps.size(); ++i) {
    if (kBitmapIds[i] == resourceId) return m_bitmaps[i];
  }
  static const QImage none;
  return none;
}

void GraphPlotCtrl::repaintBand() {
  // The view draws the band with the chart (the control is transparent
  // over it): only the plot needs drawing again.
  if (parentWidget() != nullptr) parentWidget()->update(geometry());
}

void GraphPlotCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QPoint p = event->position().toPoint();
    if (m_band.press(p.x(), p.y(), m_bandEnabled)) repaintBand();
  }
  QWidget::mousePressEvent(event);
}

void GraphPlotCtrl::mouseMoveEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (m_band.move(p.x(), p.y(), 0, 0, width(), height())) repaintBand();
  QWidget::mouseMoveEvent(event);
}

void GraphPlotCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_band.dragging()) {
    ChartBand::Result result = m_band.release(m_barPitch ? m_barPitch() : 0.0);
    repaintBand();
    if (result.accepted) {
      m_bandWidthBars = result.widthBars;
      m_bandOffsetBars = result.offsetBars;
      emit bandFinished();
      // The view applies the band at its next paint.
      if (parentWidget() != nullptr) parentWidget()->update();
    }
  }
  QWidget::mouseReleaseEvent(event);
}
