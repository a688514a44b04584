#pragma once
// DrawingSurface: the few drawing primitives the chart needs, so that one
// drawing routine serves the screen, printing and tests. Implementations:
// DrawingSurfaceQt (a QPainter) and DrawingSurfaceRecorder (a list of the
// calls, for tests).
//
// Rules every implementation keeps:
// - rectangle(l, t, r, b): outlined with the pen and filled with the brush,
//   covering columns l..r-1 and rows t..b-1; l > r or t > b are swapped;
// - line(x1, y1, x2, y2): with the pen, the end point itself not drawn;
// - xorLine: like line, but each pixel is XOR-ed with the colour, so drawing
//   it twice leaves the picture unchanged;
// - text(x, y, s): UTF-8 text with its top-left corner at (x, y), no
//   background;
// - fontHeight(): the height of the current font in pixels, the unit the
//   chart's label offsets are measured in;
// - setFont(f): later texts use a font of cell height f.height pixels in the
//   program's Japanese face, with f.weight (300 light, 400 normal) and
//   underlined when f.underline; fontHeight() then reads f.height.
// - textWidth(s): how far text s reaches to the right of its x; surfaces
//   without fonts estimate it from the font height.
// - setLinePen(color, width, dash): a pen of width pixels (flat ends, mitred
//   joins) whose dash pattern runs on along a whole polyline; setPen goes
//   back to the one-pixel solid pen. Surfaces without styles take the colour.
// - polyline(points, n): the joined line through the points with the pen.

#include "ChartScene.h"

#include <cstdint>
#include <string>
#include <vector>

struct ChartColor {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  bool operator==(const ChartColor&) const = default;
};

enum class LineDash { Solid, Dash, Dot };

// The program's Japanese face: these families in this order, the first one
// installed standing in ("メイリオ" asked for first).
inline constexpr const char* kJapaneseFaceFamilies[] = {"メイリオ", "IPAexGothic", "IPAexゴシック",
                                                        "Noto Sans CJK JP"};

struct SurfaceFont {
  int height = 13;  // pixels
  int weight = 400;
  bool underline = false;
  bool operator==(const SurfaceFont&) const = default;
};

class DrawingSurface {
 public:
  // Line pens up to this many pixels wide are drawn as that many one-pixel
  // lines side by side (see setLinePen).
  static constexpr int kMaxLineStrands = 3;

  virtual ~DrawingSurface() = default;

  // A line pen's dash pattern: dash and gap lengths in units (a line's
  // width), alternating from a dash; empty for a solid line.
  static std::vector<double> dashPattern(LineDash dash, double unit) {
    switch (dash) {
      case LineDash::Dash: return {4.0 * unit, 2.0 * unit};
      case LineDash::Dot: return {1.0 * unit, 1.5 * unit};
      case LineDash::Solid: break;
    }
    return {};
  }

  virtual void setPen(ChartColor color) = 0;
  virtual void setBrush(ChartColor color) = 0;
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  // Many lines of the current pen; surfaces may draw them in one call.
  virtual void lines(const ChartLineI* first, size_t count) {
    for (size_t i = 0; i < count; ++i) line(first[i].x1, first[i].y1, first[i].x2, first[i].y2);
  }
  virtual void setLinePen(ChartColor color, int /*width*/, LineDash /*dash*/) { setPen(color); }
  virtual void polyline(const ChartPointI* points, size_t count) {
    for (size_t i = 1; i < count; ++i) line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
  }
  virtual void xorLine(int x1, int y1, int x2, int y2, ChartColor color) = 0;
  // A rectangle (same cover as rectangle()) XOR-ed onto the picture: the
  // outline in pen, the inside in brush. Leaves pen and brush as they were.
  virtual void xorRectangle(int left, int top, int right, int bottom, ChartColor pen, ChartColor brush) = 0;
  virtual void text(int x, int y, const std::string& utf8) = 0;
  // One of ChartBitmaps' images with its top-left corner at (x, y).
  virtual void image(int x, int y, int resourceId) = 0;
  virtual void setFont(const SurfaceFont& font) = 0;
  virtual int fontHeight() const = 0;
  virtual int textWidth(const std::string& utf8) const { return estimatedTextWidth(utf8, fontHeight()); }

  // Every character as wide as 0.6 of the font height, rounded up: a little
  // wider than the digits and slashes of the time labels in any face.
  static int estimatedTextWidth(const std::string& utf8, int fontHeight) {
    int characters = 0;
    for (unsigned char c : utf8) characters += (c & 0xC0) != 0x80;
    return (characters * fontHeight * 6 + 9) / 10;
  }
};
