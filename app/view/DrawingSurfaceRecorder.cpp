#include "DrawingSurfaceRecorder.h"

void DrawingSurfaceRecorder::rectangle(int left, int top, int right, int bottom) {
  m_calls.push_back({Kind::Rectangle, left, top, right, bottom, m_pen, m_brush, {}, m_font});
}

void DrawingSurfaceRecorder::line(int x1, int y1, int x2, int y2) {
  m_calls.push_back({Kind::Line, x1, y1, x2, y2, m_pen, m_brush, {}, m_font});
}

void DrawingSurfaceRecorder::xorLine(int x1, int y1, int x2, int y2, ChartColor color) {
  m_calls.push_back({Kind::XorLine, x1, y1, x2, y2, color, m_brush, {}, m_font});
}

void DrawingSurfaceRecorder::xorRectangle(int left, int top, int right, int bottom, ChartColor pen,
                                          ChartColor brush) {
  m_calls.push_back({Kind::XorRectangle, left, top, right, bottom, pen, brush, {}, m_font});
}

void DrawingSurfaceRecorder::text(int x, int y, const std::string& utf8) {
  m_calls.push_back({Kind::Text, x, y, 0, 0, m_pen, m_brush, utf8, m_font});
}

void DrawingSurfaceRecorder::image(int x, int y, int resourceId) {
  m_calls.push_back({Kind::Image, x, y, resourceId, 0, m_pen, m_brush, {}, m_font});
}

std::vector<DrawingSurfaceRecorder::Call> DrawingSurfaceRecorder::of(Kind kind) const {
  std::vector<Call> out;
  for (const Call& c : m_calls) {
    if (c.kind == kind) out.push_back(c);
  }
  return out;
}
