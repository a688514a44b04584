#include "DrawingSurfaceRaster.h"

#include <algorithm>
#include <cstdlib>

namespace {
uint32_t argb(ChartColor c) { return 0xff000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b; }
}  // namespace

DrawingSurfaceRaster::DrawingSurfaceRaster(PaletteCanvas& canvas, int originX, int originY, const SurfaceFont& font)
    : m_canvas(canvas), m_originX(originX), m_originY(originY) {
  setFont(font);
}

void DrawingSurfaceRaster::setFont(const SurfaceFont& font) {
  m_fontHeight = font.height;
  m_font = RasterFont::shared(font);
  if (m_font == nullptr) m_supported = false;
}

void DrawingSurfaceRaster::setPen(ChartColor color) {
  m_pen = argb(color);
  m_strands = 1;
  m_line = PixelPolyline({});
}

void DrawingSurfaceRaster::setBrush(ChartColor color) { m_brush = argb(color); }

void DrawingSurfaceRaster::setLinePen(ChartColor color, int width, LineDash dash) {
  // The thin strands of the screen's and the picture's lines; wider lines
  // are the stroker's, which is not reproduced.
  if (width > kMaxLineStrands) m_supported = false;
  m_pen = argb(color);
  m_strands = std::max(width, 1);
  m_line = PixelPolyline(dashPattern(dash, std::max(width, 1)));
}

void DrawingSurfaceRaster::fill(int left, int top, int width, int height, uint32_t colour) {
  left += m_originX;
  top += m_originY;
  const int x0 = std::max(left, 0), x1 = std::min(left + width, m_canvas.width());
  const int y0 = std::max(top, 0), y1 = std::min(top + height, m_canvas.height());
  for (int y = y0; y < y1; ++y) m_canvas.fillRun(x0, y, x1 - x0, colour);
}

void DrawingSurfaceRaster::rectangle(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // A rectangle of one pixel is an outline of no length: the engine draws
  // nothing.
  if (right - left < 1 || bottom - top < 1 || (right - left == 1 && bottom - top == 1)) return;
  // The engine strokes the outline as a closed path, and cuts a path that
  // leaves the picture by its own arithmetic, which turns its corners
  // differently: only rectangles on the picture.
  if (!m_canvas.contains(left + m_originX, top + m_originY) ||
      !m_canvas.contains(right - 1 + m_originX, bottom - 1 + m_originY)) {
    m_supported = false;
    return;
  }
  // The brush inside, the pen on the outermost columns and rows.
  fill(left + 1, top + 1, right - left - 2, bottom - top - 2, m_brush);
  fill(left, top, right - left, 1, m_pen);
  fill(left, bottom - 1, right - left, 1, m_pen);
  fill(left, top, 1, bottom - top, m_pen);
  fill(right - 1, top, 1, bottom - top, m_pen);
}

void DrawingSurfaceRaster::line(int x1, int y1, int x2, int y2) {
  const ChartLineI one{x1, y1, x2, y2};
  strokeLines(&one, 1);
}

void DrawingSurfaceRaster::lines(const ChartLineI* first, size_t count) {
  // As on the screen: rows and columns are filled runs, the end point left
  // out; the others are one-pixel lines drawn together, after them.
  m_slanted.clear();
  for (size_t i = 0; i < count; ++i) {
    const ChartLineI& l = first[i];
    if (l.x1 == l.x2) {
      if (l.y1 != l.y2) fill(l.x1, std::min(l.y1, l.y2) + (l.y2 < l.y1 ? 1 : 0), 1, std::abs(l.y2 - l.y1), m_pen);
    } else if (l.y1 == l.y2) {
      fill(std::min(l.x1, l.x2), l.y1, std::abs(l.x2 - l.x1), 1, m_pen);
    } else {
      m_slanted.push_back(l);
    }
  }
  strokeLines(m_slanted.data(), m_slanted.size());
}

void DrawingSurfaceRaster::strokeLines(const ChartLineI* lines, size_t count) {
  // One pixel wide whatever the pen, on the picture only (see stroke).
  m_moved.clear();
  for (size_t i = 0; i < count; ++i) {
    ChartLineI l = lines[i];
    l.x1 += m_originX;
    l.x2 += m_originX;
    l.y1 += m_originY;
    l.y2 += m_originY;
    if (!m_canvas.contains(l.x1, l.y1) || !m_canvas.contains(l.x2, l.y2)) {
      m_supported = false;
      return;
    }
    m_moved.push_back(l);
  }
  const int index = m_canvas.indexOf(m_pen);
  if (index < 0) return;
  m_line.strokeLines(m_moved.data(), m_moved.size(),
                     [&](int x, int y) { m_canvas.row(y)[x] = static_cast<uint8_t>(index); });
}

void DrawingSurfaceRaster::polyline(const ChartPointI* points, size_t count) {
  if (count < 2) return;
  PixelPolyline::dropPointsInsideRuns(points, count, m_points);
  stroke(m_points.data(), m_points.size());
}

void DrawingSurfaceRaster::stroke(const ChartPointI* points, size_t count) {
  // Strand k is the line moved k pixels right and down. Only lines whose
  // every strand lies on the picture: the engine cuts the others at its
  // edge by its own arithmetic.
  std::vector<ChartPointI>& moved = m_movedPoints;
  moved.assign(points, points + count);
  for (ChartPointI& p : moved) {
    p.x += m_originX;
    p.y += m_originY;
    if (!m_canvas.contains(p.x, p.y) || !m_canvas.contains(p.x + m_strands - 1, p.y + m_strands - 1)) {
      m_supported = false;
      return;
    }
  }
  const int index = m_canvas.indexOf(m_pen);
  if (index < 0) return;
  const int strands = m_strands;
  m_line.stroke(moved.data(), moved.size(), [&](int x, int y) {
    for (int k = 0; k < strands; ++k)
      if (m_canvas.contains(x + k, y + k)) m_canvas.row(y + k)[x + k] = static_cast<uint8_t>(index);
  });
}

void DrawingSurfaceRaster::text(int x, int y, const std::string& utf8) {
  const uint32_t colour = m_pen;
  auto put = [this, colour](int gx, int gy, const uint8_t* coverage, int count) {
    if (gy < 0 || gy >= m_canvas.height()) return;
    uint8_t* row = m_canvas.row(gy);
    for (int i = std::max(0, -gx), end = std::min(count, m_canvas.width() - gx); i < end; ++i) {
      if (coverage[i] == 0) continue;
      const uint32_t under = 0xff000000u | m_canvas.palette()[row[gx + i]];
      const int index = m_canvas.indexOf(RasterFont::blend(under, colour, coverage[i]));
      if (index >= 0) row[gx + i] = static_cast<uint8_t>(index);
    }
  };
  if (m_font == nullptr || !m_font->draw(x + m_originX, y + m_originY + m_font->ascent(), utf8, put))
    m_supported = false;
}

int DrawingSurfaceRaster::textWidth(const std::string& utf8) const {
  const std::optional<int> width = m_font ? m_font->width(utf8) : std::nullopt;
  if (!width) {
    m_supported = false;
    return estimatedTextWidth(utf8, m_fontHeight);
  }
  return *width;
}
