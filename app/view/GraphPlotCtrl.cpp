#include "GraphPlotCtrl.h"

#include <QMouseEvent>
#include <QPainter>

double& lastTickPosition() {
  static double position = 0.0;
  return position;
}

GraphPlotCtrl::GraphPlotCtrl(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  m_labelFont.setFamilies({QStringLiteral("メイリオ"), QStringLiteral("IPAexGothic")});
  m_labelFont.setPixelSize(13);
}

GraphPlotCtrl::~GraphPlotCtrl() = default;

void GraphPlotCtrl::paintOnScreen(QPainter& viewPainter, const QRect& plotRect, bool loaded,
                                  const DisplaySeries& series) {
  (void)loaded;
  (void)series;
  viewPainter.save();
  viewPainter.setPen(Qt::black);
  viewPainter.setBrush(Qt::white);
  viewPainter.drawRect(plotRect.adjusted(0, 0, -1, -1));
  viewPainter.restore();
}

void GraphPlotCtrl::paintToDevice(QPainter& painter, const QRect& rect, const QFont& font,
                                  const DisplaySeries& series) {
  (void)font;
  (void)series;
  painter.save();
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  painter.restore();
}

const QImage& GraphPlotCtrl::bitmap(int resourceId) const {
  static const QImage empty;
  (void)resourceId;
  return empty;
}

void GraphPlotCtrl::paintEvent(QPaintEvent*) {}

void GraphPlotCtrl::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
}

void GraphPlotCtrl::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
}

void GraphPlotCtrl::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
}
