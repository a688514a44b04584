#include "DrawingSurfaceQt.h"

#include "ChartBitmaps.h"
#include "RasterTarget.h"

#include <QPaintEngine>

#include <algorithm>
#include <climits>
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

QFont DrawingSurfaceQt::japaneseFont(const SurfaceFont& f) {
  QFont font;
  QStringList families;
  for (const char* family : kJapaneseFaceFamilies) families.append(QString::fromUtf8(family));
  font.setFamilies(families);
  font.setPixelSize(f.height > 0 ? f.height : 1);
  font.setWeight(static_cast<QFont::Weight>(f.weight));
  font.setUnderline(f.underline);
  return font;
}

void DrawingSurfaceQt::setFont(const SurfaceFont& f) {
  const QFont font = japaneseFont(f);
  m_painter.setFont(font);
  m_metrics = QFontMetrics(font, m_painter.device());
  m_fontHeight = f.height;
}

void DrawingSurfaceQt::setPen(ChartColor color) {
  m_strands = 1;
  m_line = PixelPolyline({});
  QPen pen(qColor(color));
  pen.setWidth(0);  // cosmetic: one device pixel whatever the transform
  pen.setCapStyle(Qt::FlatCap);
  m_painter.setPen(pen);
}

void DrawingSurfaceQt::setLinePen(ChartColor color, int width, LineDash dash) {
  // Thin lines (the screen's two pixels) are drawn as that many one-pixel
  // lines side by side: Qt's one-pixel lines skip its stroker, which costs
  // a frame's budget for a few thousand joined points. Wider lines (print)
  // take the stroker. Patterns are in line widths either way.
  m_strands = width <= kMaxLineStrands ? std::max(width, 1) : 1;
  const int unit = std::max(width, 1);
  QPen pen(qColor(color));
  pen.setWidth(m_strands > 1 || width <= 1 ? 0 : width);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  const std::vector<double> dashes = dashPattern(dash, pen.width() == 0 ? unit : 1.0);
  if (!dashes.empty()) pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
  m_painter.setPen(pen);
  const QList<qreal> pattern = pen.style() == Qt::SolidLine ? QList<qreal>() : pen.dashPattern();
  m_line = PixelPolyline(std::vector<double>(pattern.begin(), pattern.end()));
}


void DrawingSurfaceQt::polyline(const ChartPointI* points, size_t count) {
  if (count < 2) return;
  // Points inside a straight row or column run are left out (same pixels,
  // far fewer segments).
  PixelPolyline::dropPointsInsideRuns(points, count, m_kept);
  m_points.clear();
  for (const ChartPointI& p : m_kept) m_points.emplace_back(p.x, p.y);
  // Strand k is the line moved k pixels right and down, so lines in every
  // direction but one diagonal come out m_strands pixels thick.
  if (polylineIntoPixels()) return;
  for (int k = 0; k < m_strands; ++k) {
    m_painter.drawPolyline(m_points.data(), static_cast<int>(m_points.size()));
    for (QPoint& q : m_points) q += QPoint(1, 1);
  }
}

bool DrawingSurfaceQt::polylineIntoPixels() {
  // One-pixel lines set straight into the pixels: the same pixels as the
  // painter's own lines (PixelPolyline keeps their rules) at a fraction of
  // the cost per segment. Only where every strand lies on the device, so
  // that no line is cut at its edge.
  const QPen& pen = m_painter.pen();
  if (pen.widthF() != 0 || pen.brush().style() != Qt::SolidPattern || pen.color().alpha() != 255) return false;
  std::optional<RasterTarget> target = RasterTarget::find(m_painter);
  if (!target) return false;
  m_devicePoints.clear();
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (const QPoint& q : m_points) {
    const ChartPointI d{target->deviceX(q.x()), target->deviceY(q.y())};
    if (!target->onDevice(d.x, d.y) || !target->onDevice(d.x + m_strands - 1, d.y + m_strands - 1)) return false;
    m_devicePoints.push_back(d);
    left = std::min(left, d.x);
    right = std::max(right, d.x);
    top = std::min(top, d.y);
    bottom = std::max(bottom, d.y);
  }
  // A pixel added at a turn may lie one beyond the points.
  target->focus(QRect(QPoint(left - 1, top - 1), QPoint(right + m_strands, bottom + m_strands)));
  const uint32_t argb = pen.color().rgb();
  const int strands = m_strands;
  m_line.stroke(m_devicePoints.data(), m_devicePoints.size(), [&](int x, int y) {
    for (int k = 0; k < strands; ++k) target->set(x + k, y + k, argb);
  });
  return true;
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
  // Qt's one-pixel lines already leave the end point out; a line of no
  // length draws nothing.
  if (in.x1 == in.x2 && in.y1 == in.y2) return false;
  out = QLine(in.x1, in.y1, in.x2, in.y2);
  return true;
}

void DrawingSurfaceQt::line(int x1, int y1, int x2, int y2) {
  QLine q;
  if (toQtLine({x1, y1, x2, y2}, q)) m_painter.drawLine(q);
}

void DrawingSurfaceQt::lines(const ChartLineI* first, size_t count) {
  // Vertical lines (bars, ticks) are one-pixel-wide rectangles: filled as
  // rectangles they cover exactly the same pixels, much faster than through
  // the line stroker. So are horizontal ones (grid lines) on a screen or
  // picture drawn pixel for pixel: Qt's line there covers its left end and
  // leaves the right one out, whichever way it is drawn, and its stroker
  // costs a few microseconds per line across the chart (a printed page
  // keeps them as lines). Everything else goes through drawLines.
  const bool rasterPixels = m_painter.paintEngine() != nullptr &&
                            m_painter.paintEngine()->type() == QPaintEngine::Raster &&
                            m_painter.deviceTransform().type() <= QTransform::TxTranslate;
  m_buffer.clear();
  m_columns.clear();
  QLine q;
  for (size_t i = 0; i < count; ++i) {
    const ChartLineI& l = first[i];
    if (l.x1 == l.x2) {
      if (l.y1 != l.y2) m_columns.emplace_back(l.x1, std::min(l.y1, l.y2) + (l.y2 < l.y1 ? 1 : 0), 1, std::abs(l.y2 - l.y1));
    } else if (l.y1 == l.y2 && rasterPixels) {
      m_columns.emplace_back(std::min(l.x1, l.x2), l.y1, std::abs(l.x2 - l.x1), 1);
    } else if (toQtLine(l, q)) {
      m_buffer.push_back(q);
    }
  }
  if (!m_columns.empty()) {
    QPen pen = m_painter.pen();
    QBrush brush = m_painter.brush();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(pen.color());
    m_painter.drawRects(m_columns.data(), static_cast<int>(m_columns.size()));
    m_painter.setPen(pen);
    m_painter.setBrush(brush);
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
  if (x1 == x2) {
    // Qt hands a raster operation over about a hundred rows to its thread
    // pool in pieces; a cursor line costs more in that hand-over than in
    // pixels. Pieces of kXorRows rows, each ending where the next starts,
    // cover the same pixels and stay on this thread.
    const int step = y2 > y1 ? kXorRows : -kXorRows;
    int y = y1;
    while (std::abs(y2 - y) > kXorRows) {
      m_painter.drawLine(x1, y, x1, y + step);
      y += step;
    }
    m_painter.drawLine(x1, y, x1, y2);
  } else {
    m_painter.drawLine(q);
  }
  m_painter.setCompositionMode(previous);
  m_painter.setPen(kept);
}

void DrawingSurfaceQt::xorRectangle(int left, int top, int right, int bottom, ChartColor pen, ChartColor brush) {
  QPainter::CompositionMode previous = m_painter.compositionMode();
  QPen keptPen = m_painter.pen();
  QBrush keptBrush = m_painter.brush();
  setPen(pen);
  setBrush(brush);
  m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  rectangle(left, top, right, bottom);
  m_painter.setCompositionMode(previous);
  m_painter.setPen(keptPen);
  m_painter.setBrush(keptBrush);
}

void DrawingSurfaceQt::image(int x, int y, int resourceId) {
  // Made once: the strip draws them on every paint.
  static const QImage images[] = {ChartBitmaps::make(ChartBitmaps::kRightArrow), ChartBitmaps::make(ChartBitmaps::kHandleB),
                                  ChartBitmaps::make(ChartBitmaps::kLeftArrow), ChartBitmaps::make(ChartBitmaps::kHandleA),
                                  ChartBitmaps::make(ChartBitmaps::kLeftArrowPressed),
                                  ChartBitmaps::make(ChartBitmaps::kRightArrowPressed)};
  static constexpr int ids[] = {ChartBitmaps::kRightArrow, ChartBitmaps::kHandleB, ChartBitmaps::kLeftArrow,
                                ChartBitmaps::kHandleA, ChartBitmaps::kLeftArrowPressed, ChartBitmaps::kRightArrowPressed};
  for (size_t i = 0; i < std::size(ids); ++i) {
    if (ids[i] == resourceId) m_painter.drawImage(QPoint(x, y), images[i]);
  }
}

void DrawingSurfaceQt::text(int x, int y, const std::string& utf8) {
  m_painter.drawText(x, y + m_metrics.ascent(), QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())));
}

int DrawingSurfaceQt::textWidth(const std::string& utf8) const {
  return m_metrics.horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}
