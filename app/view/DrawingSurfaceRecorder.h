#pragma once
// DrawingSurfaceRecorder: a drawing surface that records every call with
// the pen and brush in effect, so tests can check exactly what a drawing
// routine puts on the page, texts with the font they were drawn in. Draws
// nothing.

#include "DrawingSurface.h"

#include <string>
#include <vector>

class DrawingSurfaceRecorder : public DrawingSurface {
 public:
  enum class Kind { Rectangle, Line, XorLine, XorRectangle, Text, Image };

  struct Call {
    Kind kind;
    int x1, y1, x2, y2;  // rectangle: left, top, right, bottom; text: x, y
    ChartColor pen;      // XorLine: the XOR colour; XorRectangle: its outline
    ChartColor brush;
    std::string text;
    SurfaceFont font;  // Text: the font in effect
  };

  explicit DrawingSurfaceRecorder(int fontHeight = 13) { m_font.height = fontHeight; }

  void setPen(ChartColor color) override { m_pen = color; }
  void setBrush(ChartColor color) override { m_brush = color; }
  void rectangle(int left, int top, int right, int bottom) override;
  void line(int x1, int y1, int x2, int y2) override;
  void xorLine(int x1, int y1, int x2, int y2, ChartColor color) override;
  void xorRectangle(int left, int top, int right, int bottom, ChartColor pen, ChartColor brush) override;
  void text(int x, int y, const std::string& utf8) override;
  void image(int x, int y, int resourceId) override;  // x1, y1 and the id in x2
  void setFont(const SurfaceFont& font) override { m_font = font; }
  int fontHeight() const override { return m_font.height; }

  const std::vector<Call>& calls() const { return m_calls; }
  // The calls of one kind, in order.
  std::vector<Call> of(Kind kind) const;

 private:
  SurfaceFont m_font;
  ChartColor m_pen;
  ChartColor m_brush{255, 255, 255};
  std::vector<Call> m_calls;
};
