#include "PixelPolyline.h"

#include <algorithm>

PixelPolyline::PixelPolyline(const std::vector<double>& pattern) {
  // Each length in 1/64 pixel, at least one unit, summed up to its end.
  int sum = 0;
  for (double length : pattern) m_stops.push_back(sum += static_cast<int>(std::max(1.0, length * 64.0)));
  sum = 0;
  for (auto it = pattern.rbegin(); it != pattern.rend(); ++it)
    m_reverseStops.push_back(sum += static_cast<int>(std::max(1.0, *it * 64.0)));
  m_patternLength = sum;
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
