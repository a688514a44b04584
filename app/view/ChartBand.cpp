#include "ChartBand.h"

#include <algorithm>

bool ChartBand::press(int x, int y, bool enabled) {
  if (!enabled) return false;
  m_anchorX = x;
  m_anchorY = y;
  m_left = m_right = x;
  m_dragging = true;
  return true;
}

bool ChartBand::move(int x, int y, int left, int top, int right, int bottom) {
  if (!m_dragging) return false;
  bool inside = x >= left && x < right && y >= top && y < bottom;
  // A point level with the anchor in either direction would give an empty
  // rectangle; the band keeps its last shape until the pointer leaves both.
  if (!inside || x == m_anchorX || y == m_anchorY) return false;
  m_left = std::min(x, m_anchorX);
  m_right = std::max(x, m_anchorX);
  return true;
}

ChartBand::Result ChartBand::release(double barPitch) {
  Result result;
  if (!m_dragging) return result;
  m_dragging = false;
  double width = m_right - m_left;
  // Without bars there is no pitch to measure the band in.
  if (barPitch > 0.0 && width >= barPitch) {
    result.accepted = true;
    result.widthBars = width / barPitch;
    result.offsetBars = m_left / barPitch;
  }
  m_left = m_right = m_anchorX;
  return result;
}
