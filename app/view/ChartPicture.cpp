#include "ChartPicture.h"

#include "ChartPainter.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceQt.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

// The view pixels a cursor line covers (at most: its lower end is left out
// of a vertical one).
QRect lineRect(const ChartLineI& l, const QPoint& origin) {
  const int bottom = l.x1 == l.x2 ? std::max(l.y1, l.y2) - 1 : std::max(l.y1, l.y2);
  return QRect(QPoint(std::min(l.x1, l.x2), std::min(l.y1, l.y2)), QPoint(std::max(l.x1, l.x2), bottom))
      .translated(origin);
}

// The shown window of the series: the values the bars and curves are made of.
std::pair<int, int> shownWindow(const ChartInput& in) {
  if (!in.loaded || in.series == nullptr) return {0, 0};
  const DisplaySeries& s = *in.series;
  const int from = std::clamp(s.firstShownIndex, 0, s.valueCount);
  const int to = std::clamp(s.firstShownIndex + s.visibleCount, from, s.valueCount);
  return {from, to};
}

}  // namespace

void ChartPicture::xorColumn(QImage& image, int x, int y1, int y2, QColor color) {
  if (x < 0 || x >= image.width() || y1 == y2) return;
  // Qt's one-pixel vertical line covers its upper end and leaves the lower
  // one out, whichever way it is drawn.
  const int from = std::max(std::min(y1, y2), 0);
  const int to = std::min(std::max(y1, y2), image.height());
  // Qt's XOR keeps the picture opaque: only the colour bits change.
  const uint32_t mask = color.rgb() & 0x00ffffffu;
  for (int y = from; y < to; ++y) reinterpret_cast<uint32_t*>(image.scanLine(y))[x] ^= mask;
}

bool ChartPicture::sameValues(const ChartInput& in) const {
  const auto [from, to] = shownWindow(in);
  const size_t n = static_cast<size_t>(to - from);
  // Bitwise, so that a value that stays NaN counts as unchanged.
  return n == m_values.size() && (n == 0 || std::memcmp(m_values.data(), in.series->values + from, n * sizeof(double)) == 0);
}

void ChartPicture::keepValues(const ChartInput& in) {
  const auto [from, to] = shownWindow(in);
  if (to > from) {
    m_values.assign(in.series->values + from, in.series->values + to);
  } else {
    m_values.clear();
  }
}

void ChartPicture::fillAround(QPainter& painter, const QRegion& region, const QColor& background) const {
  // The chart's frame covers its whole rectangle, outline and white inside:
  // the background goes around it only.
  QRegion around = region;
  if (m_key.withChart && m_key.chart.width() >= 2 && m_key.chart.height() >= 2) around -= m_key.chart;
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& r : around) painter.fillRect(r, background);
  painter.restore();
}

void ChartPicture::draw(const QColor& background, const QFont& font, const ChartInput& input) {
  if (m_drawn) return;
  const QSize pixels = (QSizeF(m_key.size) * m_key.dpr).toSize();
  if (m_image.size() != pixels) m_image = QImage(pixels, QImage::Format_RGB32);
  m_image.setDevicePixelRatio(m_key.dpr);
  m_scene = ChartScene{};
  {
    QPainter painter(&m_image);
    fillAround(painter, QRegion(QRect(QPoint(0, 0), m_key.size)), background);
    if (m_key.withChart) {
      painter.translate(m_key.chart.topLeft());
      ChartInput in = input;
      in.cursors = false;
      in.band = false;
      m_scene = ChartPainter::paint(painter, font, std::move(in));
    }
  }
  m_drawn = true;
  xorCursorLines(m_lines);
  m_scene.cursorLines = m_lines;
}

void ChartPicture::paintDirect(QPainter& painter, const QRegion& region, const QColor& background, const QFont& font,
                               const ChartInput& input) {
  fillAround(painter, region, background);
  m_shownDirect = true;
  if (!m_key.withChart) {
    m_scene = ChartScene{};
    return;
  }
  painter.save();
  painter.translate(m_key.chart.topLeft());
  m_scene = ChartPainter::paint(painter, font, input);
  painter.restore();
}

void ChartPicture::paint(QPainter& painter, const QRegion& region, const QRegion& chartArea, const QColor& background,
                         const QFont& font, const ChartInput& input) {
  if (!region.intersects(chartArea)) {
    for (const QRect& r : region) painter.fillRect(r, background);
    return;
  }
  if (unseen() && (chartArea - region).isEmpty()) {
    // A new chart over the whole view: drawn once, straight onto the screen.
    paintDirect(painter, region, background, font, input);
    return;
  }
  draw(background, font, input);
  const qreal dpr = m_image.devicePixelRatio();
  // One rectangle at a time: under a clip of one rectangle Qt copies the
  // picture's rows as they are; under the region's clip it would blend it
  // span by span.
  painter.save();
  for (const QRect& r : region) {
    painter.setClipRect(r);
    painter.drawImage(QPointF(r.topLeft()), m_image, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
  }
  painter.restore();
  drawXorBand(painter, font, input);
}

void ChartPicture::drawXorBand(QPainter& painter, const QFont& font, const ChartInput& input) const {
  if (!m_key.withChart) return;
  ChartInput in = input;
  in.cursors = false;
  const ChartScene band = ChartGeometry::xorParts(in);
  if (!band.hasBand) return;
  painter.save();
  painter.translate(m_key.chart.topLeft());
  DrawingSurfaceQt surface(painter, font);
  ChartRenderer::drawXor(band, surface);
  painter.restore();
}

void ChartPicture::xorCursorLines(const std::vector<ChartLineI>& lines) {
  if (lines.empty()) return;
  const QPoint origin = m_key.chart.topLeft();
  if (m_image.devicePixelRatio() == 1.0) {
    bool vertical = true;
    for (const ChartLineI& l : lines) vertical = vertical && l.x1 == l.x2;
    if (vertical) {
      const QColor cursor(ChartRenderer::kCursor.r, ChartRenderer::kCursor.g, ChartRenderer::kCursor.b);
      for (const ChartLineI& l : lines) xorColumn(m_image, l.x1 + origin.x(), l.y1 + origin.y(), l.y2 + origin.y(), cursor);
      return;
    }
  }
  // Scaled pictures take Qt's own XOR lines, as the screen does.
  QPainter painter(&m_image);
  painter.translate(origin);
  DrawingSurfaceQt surface(painter, QFont());
  ChartScene only;
  only.cursorLines = lines;
  ChartRenderer::drawXor(only, surface);
}

QRegion ChartPicture::update(const QSize& viewSize, qreal dpr, const QColor& background, bool withChart,
                             const QRect& chart, const ChartInput& input, uint64_t overlayRevision) {
  Key key;
  key.size = viewSize;
  key.dpr = dpr;
  key.background = background.rgba();
  key.withChart = withChart;
  key.chart = withChart ? chart : QRect();
  key.loaded = input.loaded && input.series != nullptr;
  if (key.loaded) {
    const DisplaySeries& s = *input.series;
    key.firstShownIndex = s.firstShownIndex;
    key.visibleCount = s.visibleCount;
    key.valueCount = s.valueCount;
    key.intervalMode = static_cast<int>(s.intervalMode);
    key.verticalMax = s.verticalMax;
    key.seriesStart = s.seriesStart;
    key.overlay = input.overlay;
    key.overlayRevision = input.overlay != nullptr ? overlayRevision : 0;
  }
  ChartInput lineInput = input;
  lineInput.band = false;
  std::vector<ChartLineI> lines = withChart ? ChartGeometry::xorParts(lineInput).cursorLines : std::vector<ChartLineI>{};

  if (!m_known || !(key == m_key) || !sameValues(input)) {
    m_key = key;
    keepValues(input);
    m_known = true;
    m_drawn = false;
    m_shownDirect = false;
    m_lines = std::move(lines);
    return QRegion(QRect(QPoint(0, 0), viewSize));
  }
  if (lines == m_lines) return {};
  QRegion changed;
  const QPoint origin = m_key.chart.topLeft();
  for (const ChartLineI& l : m_lines) changed += lineRect(l, origin);
  for (const ChartLineI& l : lines) changed += lineRect(l, origin);
  if (m_drawn) {
    // Out with the old lines, in with the new: XOR undoes itself.
    xorCursorLines(m_lines);
    xorCursorLines(lines);
    m_scene.cursorLines = lines;
  }
  m_lines = std::move(lines);
  return changed;
}
