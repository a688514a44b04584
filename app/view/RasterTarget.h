#pragma once
// RasterTarget: the pixels a painter draws into, where opaque one-pixel
// lines can be set straight into memory with the same result as the
// painter's own: a 32-bit image (a picture, or the screen's backing store
// while a widget paints) drawn pixel for pixel (no scaling, whole-pixel
// offset), source-over at full opacity, without antialiasing. Keeps the
// painter's clip (its own and the system's, the region being repainted).
//
// find() returns an empty target when any of that does not hold; the
// caller then draws through the painter.

#include <QPainter>
#include <QRect>

#include <cstdint>
#include <optional>
#include <vector>

class RasterTarget {
 public:
  static std::optional<RasterTarget> find(QPainter& painter);

  // The painter's logical point (x, y) on the device.
  int deviceX(int x) const { return x + m_dx; }
  int deviceY(int y) const { return y + m_dy; }
  bool onDevice(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

  // Narrows the clip to what matters for drawing inside area (device
  // pixels): when one of the clip's rectangles holds all of it, that one
  // rectangle, so that set() tests no other.
  void focus(const QRect& area);

  // Sets device pixel (x, y) to the opaque colour where the clip allows.
  void set(int x, int y, uint32_t argb) {
    if (x < m_bounds.left() || x > m_bounds.right() || y < m_bounds.top() || y > m_bounds.bottom()) return;
    if (!m_clip.empty() && !inClip(x, y)) return;
    m_bits[static_cast<size_t>(y) * m_stride + static_cast<size_t>(x)] = argb;
  }

 private:
  bool inClip(int x, int y) const;

  uint32_t* m_bits = nullptr;
  size_t m_stride = 0;  // in pixels
  int m_width = 0;
  int m_height = 0;
  int m_dx = 0;
  int m_dy = 0;
  QRect m_bounds;             // the clip's bounding rectangle
  std::vector<QRect> m_clip;  // the clip's rectangles when there are several
};
