#pragma once
// DrawingSurfaceRaster: the drawing surface over a PaletteCanvas, setting
// the same pixels as DrawingSurfaceQt on an RGB32 picture drawn pixel for pixel
// (no scaling): filled rectangles and one-pixel lines by the raster
// engine's rules (PixelPolyline), labels through RasterFont. Coordinates
// are moved by an origin, as a translated painter moves them.
//
// What it does not reproduce it refuses: XOR drawing, the strip's images,
// lines wider than the thin strands, a line or rectangle running off the
// picture, a
// face or text RasterFont refuses, a 257th colour. supported() then turns
// false for good,
// the picture is not to be used, and the caller draws with Qt instead.

#include "DrawingSurface.h"
#include "PaletteCanvas.h"
#include "PixelPolyline.h"
#include "RasterFont.h"

#include <vector>

class DrawingSurfaceRaster : public DrawingSurface {
 public:
  DrawingSurfaceRaster(PaletteCanvas& canvas, int originX, int originY, const SurfaceFont& font);

  // False once anything was asked that this surface cannot draw as Qt does.
  bool supported() const { return m_supported && !m_canvas.overflowed(); }

  void setPen(ChartColor color) override;
  void setBrush(ChartColor color) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void line(int x1, int y1, int x2, int y2) override;
  void lines(const ChartLineI* first, size_t count) override;
  void setLinePen(ChartColor color, int width, LineDash dash) override;
  void polyline(const ChartPointI* points, size_t count) override;
  void xorLine(int, int, int, int, ChartColor) override { m_supported = false; }
  void xorRectangle(int, int, int, int, ChartColor, ChartColor) override { m_supported = false; }
  void text(int x, int y, const std::string& utf8) override;
  void image(int, int, int) override { m_supported = false; }
  void setFont(const SurfaceFont& font) override;
  int fontHeight() const override { return m_fontHeight; }
  int textWidth(const std::string& utf8) const override;

 private:
  void fill(int left, int top, int width, int height, uint32_t colour);
  void stroke(const ChartPointI* points, size_t count);
  void strokeLines(const ChartLineI* lines, size_t count);

  PaletteCanvas& m_canvas;
  int m_originX;
  int m_originY;
  uint32_t m_pen = 0xff000000u;
  uint32_t m_brush = 0xffffffffu;
  int m_strands = 1;
  PixelPolyline m_line{{}};
  std::vector<ChartPointI> m_points;
  std::vector<ChartPointI> m_movedPoints;
  std::vector<ChartLineI> m_slanted;
  std::vector<ChartLineI> m_moved;
  RasterFont* m_font = nullptr;
  int m_fontHeight = 0;
  mutable bool m_supported = true;
};
