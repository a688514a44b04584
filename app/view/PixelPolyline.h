#pragma once
// PixelPolyline: the pixels of a one-pixel, aliased polyline through whole
// pixel points, solid or dashed, exactly as the screen's raster engine sets
// them for a cosmetic pen with flat ends. Its rules, all in 1/64 pixel:
// - each segment runs along its major axis (the longer of its two extents;
//   a 45-degree segment counts as horizontal) and sets one pixel per row or
//   column it crosses, leaving out the end pixel further down or right,
//   whichever way it is drawn;
// - where a segment starts on the pixel the previous one ended on, that
//   pixel is not set twice; where the polyline turns back along the same
//   axis the turning point is extended by half a pixel, and where a turn
//   would leave a gap, the missing pixel is set;
// - a dash pattern runs on along the whole polyline, sampled at each
//   pixel's centre.
//
// Points must lie on the device: there is no clipping here (the engine
// cuts lines only beyond a pixel outside the device, so such lines are
// never cut). The chart's overlay draws thousands of short segments
// through it straight into the pixels, at a fraction of the engine's cost.

#include "ChartScene.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

class PixelPolyline {
 public:
  // pattern: dash and gap lengths in pixels, alternating, starting with a
  // dash (the pen's dash pattern times its unit); empty for a solid line.
  explicit PixelPolyline(const std::vector<double>& pattern);

  // Calls plot(x, y) for every pixel the polyline sets, in drawing order (a
  // pixel may come more than once).
  template <class Plot>
  void stroke(const ChartPointI* points, size_t count, Plot&& plot) {
    if (count < 2) return;
    m_lastDir = kNoDirection;
    m_last = {kNone, kNone};
    m_lastAxisAligned = false;
    m_patternOffset = 0;
    // A closed polyline starts as if its last segment had just been drawn:
    // its direction and last pixel, from the segment alone, no pixel set.
    if (points[0] == points[count - 1]) {
      segment(points[count - 2], points[count - 1], [](int, int) {});
      m_patternOffset = 0;
    }
    for (size_t i = 1; i < count; ++i) segment(points[i - 1], points[i], plot);
  }

  // The points of a polyline without those strictly inside a straight run
  // along a row or a column: the engine strokes such a run through them
  // with the same pixels and dash pattern, and a curve over thousands of
  // columns has long flat runs that would each cost a segment.
  static void dropPointsInsideRuns(const ChartPointI* points, size_t count, std::vector<ChartPointI>& out) {
    out.clear();
    for (size_t i = 0; i < count; ++i) {
      if (i > 0 && i + 1 < count && insideRun(out.back(), points[i], points[i + 1])) continue;
      out.push_back(points[i]);
    }
  }

  // The pixels of a list of lines drawn in one call, as the engine draws
  // such a list: each line on its own (no joint with the one before, the
  // dash pattern from its start) but in the direction the line before left
  // it, which decides a line's first pixel. Lines of no length draw
  // nothing.
  template <class Plot>
  void strokeLines(const ChartLineI* lines, size_t count, Plot&& plot) {
    m_lastDir = kNoDirection;
    m_lastAxisAligned = false;
    for (size_t i = 0; i < count; ++i) {
      const ChartLineI& l = lines[i];
      if (l.x1 == l.x2 && l.y1 == l.y2) continue;
      m_last = {kNone, kNone};
      m_patternOffset = 0;
      segment({l.x1, l.y1}, {l.x2, l.y2}, plot);
    }
  }

 private:
  // b lies strictly between a and c on one row or one column.
  static bool insideRun(const ChartPointI& a, const ChartPointI& b, const ChartPointI& c) {
    if (a.y == b.y && b.y == c.y) return (a.x < b.x && b.x < c.x) || (a.x > b.x && b.x > c.x);
    if (a.x == b.x && b.x == c.x) return (a.y < b.y && b.y < c.y) || (a.y > b.y && b.y > c.y);
    return false;
  }

  enum Direction { kNoDirection = 0, kTopToBottom = 1, kBottomToTop = 2, kLeftToRight = 4, kRightToLeft = 8 };
  static constexpr int kVerticalMask = 3;
  static constexpr int kHorizontalMask = 12;
  static constexpr int kNone = -1;

  // Where the dash pattern stands along one segment: the position within
  // the pattern (1/64 pixel) and the index of the stop ahead of it.
  struct Dash {
    const std::vector<int>* stops = nullptr;
    int offset = 0;
    size_t index = 0;
    int onParity = 1;
    bool on() const { return stops == nullptr || ((index + onParity) & 1) != 0; }
  };

  Dash startDash(bool reverse, int start, int stop);
  void advance(Dash& d) const {
    d.offset += 64;
    if (d.offset >= (*d.stops)[d.index] && ++d.index == d.stops->size()) d.index = 0;
    while (d.offset >= m_patternLength) d.offset -= m_patternLength;
  }

  struct Pixel {
    int x;
    int y;
  };

  template <class Plot>
  void segment(ChartPointI p1, ChartPointI p2, const Plot& plot) {
    const int dx = std::abs(p2.x - p1.x);
    const int dy = std::abs(p2.y - p1.y);
    if (dx < dy) {
      run<true>(p1.y * 64, p1.x * 64, p2.y * 64, p2.x * 64, plot);
    } else if (dx != 0) {
      run<false>(p1.x * 64, p1.y * 64, p2.x * 64, p2.y * 64, plot);
    }
  }

  // One segment along its major axis: m1, n1 and m2, n2 are its ends along
  // the major and the minor axis (y and x when vertical).
  template <bool vertical, class Plot>
  void run(int m1, int n1, int m2, int n2, const Plot& plot) {
    const int mask = vertical ? kVerticalMask : kHorizontalMask;
    int dir = vertical ? kTopToBottom : kLeftToRight;
    const bool swapped = m1 > m2;
    if (swapped) {
      std::swap(m1, m2);
      std::swap(n1, n2);
      dir = vertical ? kBottomToTop : kRightToLeft;
    }
    const int64_t inc = (static_cast<int64_t>(n2 - n1) << 16) / (m2 - m1);
    int64_t n = static_cast<int64_t>(n1) << 10;
    // Turning back along the same axis: the turning end reaches half a
    // pixel further.
    if ((m_lastDir ^ mask) == dir) {
      if (swapped) {
        m2 += 32;
      } else {
        m1 -= 32;
        n -= inc >> 1;
      }
    }
    int m = (m1 + 32) >> 6;
    int ms = (m2 + 32) >> 6;
    if (m == ms) return;
    const int64_t round = inc > 0 ? 32 : 0;
    n += ((static_cast<int64_t>(m) * 64 + round - m1) * inc) >> 6;

    Pixel first = device<vertical>(m, n >> 16);
    Pixel last = device<vertical>(ms - 1, (n + (ms - m - 1) * inc) >> 16);
    if (swapped) std::swap(first, last);
    const bool axisAligned = std::abs(inc) < (1 << 14);
    if (m_last.x >= 0) {
      if (first.x == m_last.x && first.y == m_last.y) {
        // Already set as the previous segment's end.
        if (swapped) {
          --ms;
        } else {
          ++m;
          n += inc;
        }
      } else if (m_lastDir != dir &&
                 ((axisAligned && m_lastAxisAligned && m_last.x != first.x && m_last.y != first.y) ||
                  std::abs(m_last.x - first.x) > 1 || std::abs(m_last.y - first.y) > 1)) {
        // The turn would leave a gap: one more pixel at the start.
        if (swapped) {
          ++ms;
        } else {
          --m;
          n -= inc;
        }
      }
    }
    m_lastDir = dir;
    m_lastAxisAligned = axisAligned;

    // At least one pixel, even where the dropped joint left none.
    Dash dash = startDash(swapped, m << 6, ms << 6);
    do {
      if (dash.on()) {
        const Pixel p = device<vertical>(m, n >> 16);
        plot(p.x, p.y);
      }
      if (dash.stops != nullptr) advance(dash);
      n += inc;
    } while (++m < ms);
    m_last = last;
  }

  template <bool vertical>
  static Pixel device(int major, int64_t minor) {
    return vertical ? Pixel{static_cast<int>(minor), major} : Pixel{major, static_cast<int>(minor)};
  }

  std::vector<int> m_stops;         // cumulative ends of dashes and gaps
  std::vector<int> m_reverseStops;  // the same, the pattern read backwards
  int m_patternLength = 0;
  int m_patternOffset = 0;
  int m_lastDir = kNoDirection;
  Pixel m_last{kNone, kNone};  // the pixel the previous segment ended on
  bool m_lastAxisAligned = false;
};
