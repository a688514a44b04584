#include "DrawingSurfaceQt.h"

#include <algorithm>
#include <cstdlib>

namespace {

QColor qColor(ChartColor c) { return QColor(c.r, c.g, c.b); }

}  // namespace

DrawingSurfaceQt::DrawingSurfaceQt(QPainter& painter, const QFont& font)
    : m_painter(painter), m_metrics(font, painter.device()) {
  m_painter.setFont(font);
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setBackgroundMode(Qt::TransparentMode);
  m_fontHeight = font.pixelSize() > 0 ? font.pixelSize() : m_metrics.height();
}

void DrawingSurfaceQt::setPen(ChartColor color) {
  QPen pen(qColor(color));
  pen.setWidth(0);  // cosmetic: one device pixel whatever the transform
  pen.setCapStyle(Qt::FlatCap);
  m_painter.setPen(pen);
}

void DrawingSurfaceQt::setBrush(ChartColor color) { m_painter.setBrush(qColor(color)); }

void DrawingSurfaceQt::rectangle(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (right - left < 1 || bottom - top < 1) return;
  // Qt strokes a rectangle of width w over w + 1 columns.
  m_painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}

bool DrawingSurfaceQt::toQtLine(const ChartLineI& in, QLine& out) {
  int dx = in.x2 - in.x1;
  int dy = in.y2 - in.y1;
  if (dx == 0 && dy == 0) return false;
  // Qt draws both end points; step the end back by one along the longer axis.
  if (std::abs(dx) >= std::abs(dy)) {
    int step = dx > 0 ? 1 : -1;
    int endX = in.x2 - step;
    int endY = in.y1 + (dx == step ? 0 : dy * (endX - in.x1) / dx);
    out = QLine(in.x1, in.y1, endX, endY);
  } else {
    int step = dy > 0 ? 1 : -1;
    int endY = in.y2 - step;
    int endX = in.x1 + (dy == step ? 0 : dx * (endY - in.y1) / dy);
    out = QLine(in.x1, in.y1, endX, endY);
  }
  return true;
}

void DrawingSurfaceQt::line(int x1, int y1, int x2, int y2) {
  QLine q;
  if (toQtLine({x1, y1, x2, y2}, q)) m_painter.drawLine(q);
}

void DrawingSurfaceQt::lines(const ChartLineI* first, size_t count) {
  m_buffer.clear();
  m_buffer.reserve(count);
  QLine q;
  for (size_t i = 0; i < count; ++i) {
    if (toQtLine(first[i], q)) m_buffer.push_back(q);
  }
  if (!m_buffer.empty()) m_painter.drawLines(m_buffer.data(), static_cast<int>(m_buffer.size()));
}

void DrawingSurfaceQt::xorLine(int x1, int y1, int x2, int y2, ChartColor color) {
  QLine q;
  if (!toQtLine({x1, y1, x2, y2}, q)) return;
  QPainter::CompositionMode previous = m_painter.compositionMode();
  QPen kept = m_painter.pen();
  setPen(color);
  m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  m_painter.drawLine(q);
  m_painter.setCompositionMode(previous);
  m_painter.setPen(kept);
}

void DrawingSurfaceQt::text(int x, int y, const std::string& utf8) {
  m_painter.drawText(x, y + m_metrics.ascent(), QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())));
}
