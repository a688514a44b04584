#include "GraphPlotCtrl.h"

#include "ChartBitmaps.h"
#include "ChartGeometry.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceQt.h"

#include <QMouseEvent>
#include <QPainter>

double& lastTickPosition() {
  static double position = 0.0;
  return position;
}

namespace {

constexpr int kBitmapIds[6] = {GraphPlotCtrl::kRightArrow,        GraphPlotCtrl::kHandleB,
                               GraphPlotCtrl::kLeftArrow,         GraphPlotCtrl::kHandleA,
                               GraphPlotCtrl::kLeftArrowPressed,  GraphPlotCtrl::kRightArrowPressed};

}  // namespace

GraphPlotCtrl::GraphPlotCtrl(QWidget* parent) : QWidget(parent) {
  // The view paints the chart under this widget; the widget itself only
  // adds the band while it is dragged.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  m_labelFont = DrawingSurfaceQt::japaneseFont(SurfaceFont{13, 400, false});
  for (size_t i = 0; i < m_bitmaps.size(); ++i) m_bitmaps[i] = ChartBitmaps::make(kBitmapIds[i]);
}

GraphPlotCtrl::~GraphPlotCtrl() = default;

void GraphPlotCtrl::paintOnScreen(QPainter& viewPainter, const QRect& plotRect, bool loaded,
                                  const DisplaySeries& series) {
  viewPainter.save();
  viewPainter.translate(plotRect.topLeft());
  DrawingSurfaceQt surface(viewPainter, m_labelFont);
  ChartInput in;
  in.right = plotRect.width();
  in.bottom = plotRect.height();
  in.fontHeight = surface.fontHeight();
  in.loaded = loaded;
  in.series = &series;
  in.cursors = true;
  in.cursorAX = m_cursorAX;
  in.cursorBX = m_cursorBX;
  in.viewOffsetX = plotRect.left();
  draw(in, surface);
  viewPainter.restore();
}

void GraphPlotCtrl::paintToDevice(QPainter& painter, const QRect& rect, const QFont& font,
                                  const DisplaySeries& series) {
  paintToDevice(painter, rect, font, series, false);
}

void GraphPlotCtrl::paintToDevice(QPainter& painter, const QRect& rect, const QFont& font,
                                  const DisplaySeries& series, bool lineEveryBar) {
  painter.save();
  DrawingSurfaceQt surface(painter, font);
  ChartInput in;
  in.left = rect.left();
  in.top = rect.top();
  in.right = rect.left() + rect.width();
  in.bottom = rect.top() + rect.height();
  in.fontHeight = surface.fontHeight();
  in.series = &series;
  in.lineEveryBar = lineEveryBar;
  draw(in, surface);
  painter.restore();
}

void GraphPlotCtrl::draw(const ChartInput& input, DrawingSurface& surface) {
  ChartInput in = input;
  in.textWidth = [&surface](const std::string& text) { return surface.textWidth(text); };
  if (m_overlaySource) in.overlay = m_overlaySource();
  ChartScene scene = ChartGeometry::compute(in);
  ChartRenderer::draw(scene, surface);
  // Every drawing of the bars and axes leaves its pitch and last tick for
  // the band zoom and the cursor snapping.
  if (scene.hasLastTick) {
    m_barPitch = scene.barPitch;
    lastTickPosition() = scene.lastTick;
  }
}

const QImage& GraphPlotCtrl::bitmap(int resourceId) const {
  for (size_t i = 0; i < m_bitmaps.size(); ++i) {
    if (kBitmapIds[i] == resourceId) return m_bitmaps[i];
  }
  static const QImage none;
  return none;
}

void GraphPlotCtrl::paintEvent(QPaintEvent*) {
  if (!m_band.dragging() || m_band.bandLeft() >= m_band.bandRight()) return;
  // The band is XOR-ed over the chart the view painted beneath, so bars and
  // grid lines stay visible through it.
  QPainter painter(this);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  QPen pen(QColor(255, 255, 255));
  pen.setWidth(0);
  painter.setPen(pen);
  painter.setBrush(QColor(0, 0, 64));
  painter.drawRect(m_band.bandLeft(), 0, m_band.bandRight() - m_band.bandLeft() - 1, height() - 1);
}

void GraphPlotCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QPoint p = event->position().toPoint();
    if (m_band.press(p.x(), p.y(), m_bandEnabled)) update();
  }
  QWidget::mousePressEvent(event);
}

void GraphPlotCtrl::mouseMoveEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (m_band.move(p.x(), p.y(), 0, 0, width(), height())) update();
  QWidget::mouseMoveEvent(event);
}

void GraphPlotCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_band.dragging()) {
    ChartBand::Result result = m_band.release(m_barPitch);
    update();
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
