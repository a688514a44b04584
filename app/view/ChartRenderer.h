#pragma once
// ChartRenderer: draws a ChartScene on a DrawingSurface in the chart's
// colours: white background with a black outline, light-blue bars outlined
// in black, black ticks, grid lines and labels, light-grey cursor lines
// XOR-ed onto the picture, and the zoom band XOR-ed over everything (a white
// outline and a dark blue inside, so bars and lines show through). The
// single drawing routine for every medium. Overlay curves go over the bars
// and axes (solid, dashed and dotted, in colours that stay apart in grey),
// then their right-hand axis and legend, before the cursor lines.
//
// Computes nothing: positions and texts come from ChartGeometry.

#include "ChartGeometry.h"
#include "ChartScene.h"
#include "DrawingSurface.h"

class ChartRenderer {
 public:
  // The chart's label font on the screen and in pictures: 13 pixels, in
  // the program's Japanese face.
  static constexpr SurfaceFont kLabelFont{13, 400, false};

  static constexpr ChartColor kBackground{255, 255, 255};
  static constexpr ChartColor kOutline{0, 0, 0};
  static constexpr ChartColor kBar{0, 192, 255};
  static constexpr ChartColor kAxis{0, 0, 0};
  static constexpr ChartColor kCursor{192, 192, 192};
  static constexpr ChartColor kBandOutline{255, 255, 255};
  static constexpr ChartColor kBandFill{0, 0, 64};

  struct CurveStyle {
    ChartColor color;
    LineDash dash;
  };
  // Curve k of the overlay takes style k (the last one beyond).
  static constexpr CurveStyle kCurveStyles[] = {
      {{200, 0, 0}, LineDash::Solid}, {{0, 120, 0}, LineDash::Dash}, {{110, 0, 170}, LineDash::Dot}};
  static const CurveStyle& curveStyle(int curve);

  static void draw(const ChartScene& scene, DrawingSurface& surface);
  // Computes the scene of input with the surface's label font (its height
  // the label unit, its widths the labels' widths) and draws it; returns
  // the scene drawn.
  static ChartScene computeAndDraw(ChartInput input, DrawingSurface& surface);
  // The last step of draw: the cursor lines, then the band, XOR-ed over
  // whatever is there.
  static void drawXor(const ChartScene& scene, DrawingSurface& surface);
  // The cursor strip: a white box with a black outline, then its images.
  static void draw(const CursorStripScene& strip, DrawingSurface& surface);

 private:
  static void drawOverlay(const OverlayScene& overlay, DrawingSurface& surface);
};
