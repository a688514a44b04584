#include "PixelPolyline.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

PixelPolyline::PixelPolyline(const std::vector<double>& pattern) {
  // Each length in 1/64 pixel, at least one unit, summed up to its end.
  int sum = 0;
  for (double length : pattern) m_stops.push_back(sum += static_cast<int>(std::max(1.0, length * 64.0)));
  sum = 0;
  for (auto it = pattern.rbegin(); it != pattern.rend(); ++it)
    m_reverseStops.push_back(sum += static_cast<int>(std::max(1.0, *it * 64.0)));
  m_patternLength = sum;
}

void PixelPolyline::closingEnd(ChartPointI p1, ChartPointI p2) {
  const bool vertical = std::abs(p2.x - p1.x) < std::abs(p2.y - p1.y);
  if (!vertical && p1.x == p2.x) return;
  int m1 = (vertical ? p1.y : p1.x) * 64, n1 = (vertical ? p1.x : p1.y) * 64;
  int m2 = (vertical ? p2.y : p2.x) * 64, n2 = (vertical ? p2.x : p2.y) * 64;
  const bool swapped = m1 > m2;
  if (swapped) {
    std::swap(m1, m2);
    std::swap(n1, n2);
  }
  const int64_t inc = (static_cast<int64_t>(n2 - n1) << 16) / (m2 - m1);
  int64_t n = static_cast<int64_t>(n1) << 10;
  const int m = (m1 + 32) >> 6;
  const int ms = (m2 + 32) >> 6;
  if (m == ms) return;
  n += ((static_cast<int64_t>(m) * 64 + (inc > 0 ? 32 : 0) - m1) * inc) >> 6;
  const int major = swapped ? m : ms - 1;
  const int minor = static_cast<int>((swapped ? n : n + (ms - m - 1) * inc) >> 16);
  m_last = vertical ? Pixel{minor, major} : Pixel{major, minor};
  m_lastDir = vertical ? (swapped ? kBottomToTop : kTopToBottom) : (swapped ? kRightToLeft : kLeftToRight);
  m_lastAxisAligned = std::abs(inc) < (1 << 14);
}

PixelPolyline::Dash PixelPolyline::startDash(bool reverse, int start, int stop) {
  Dash d;
  if (m_stops.empty()) return d;
  const int length = stop - start;
  // Pixels are sampled at their centres, half a pixel into the pattern. A
  // segment drawn backwards reads the pattern backwards from where the
  // segment will have left it.
  if (reverse) {
    d.stops = &m_reverseStops;
    d.offset = m_patternLength - m_patternOffset - length - ((start & 63) - 32);
    d.onParity = 0;
  } else {
    d.stops = &m_stops;
    d.offset = m_patternOffset - ((start & 63) - 32);
    d.onParity = 1;
  }
  d.offset %= m_patternLength;
  if (d.offset < 0) d.offset += m_patternLength;
  while (d.offset >= (*d.stops)[d.index]) ++d.index;
  m_patternOffset = (m_patternOffset + length) % m_patternLength;
  return d;
}
