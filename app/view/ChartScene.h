#pragma once
// ChartScene: everything one chart drawing puts on the page, as plain data.
// ChartGeometry fills it; ChartRenderer draws it; tests read it.
//
// Coordinates follow the drawing surface's rules: a rectangle covers
// left..right-1 and top..bottom-1 (outline included), a line stops one
// pixel before its end point, a text is placed by its top-left corner.

#include <cstdint>
#include <string>
#include <vector>

struct ChartRectI {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ChartRectI&) const = default;
};

struct ChartLineI {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool operator==(const ChartLineI&) const = default;
};

struct ChartLabel {
  int x = 0;
  int y = 0;
  std::string text;  // UTF-8
  bool operator==(const ChartLabel&) const = default;
};

struct ChartPointI {
  int x = 0;
  int y = 0;
  bool operator==(const ChartPointI&) const = default;
};

enum class BarShape { None, Rectangles, Lines };

// One unbroken stretch of an overlay curve: a polyline in device pixels.
struct OverlayPolyline {
  int curve = 0;  // index into ChartOverlayData::curves, which picks the style
  std::vector<ChartPointI> points;
  bool operator==(const OverlayPolyline&) const = default;
};

struct OverlayLegendEntry {
  int curve = 0;
  ChartLineI sample;  // a short stretch of the curve's line
  ChartLabel label;
  bool operator==(const OverlayLegendEntry&) const = default;
};

// The curves drawn over the bars with their right-hand millimetre axis and
// legend (OverlayGeometry fills it). Empty when no overlay is shown.
struct OverlayScene {
  int lineWidth = 0;      // pen width of the curves, in device pixels
  double axisMax = 0.0;   // millimetres at the top of the plot
  double axisStep = 0.0;  // millimetres between two ticks
  std::vector<OverlayPolyline> polylines;
  std::vector<ChartLineI> axisTicks;   // at the right edge, bottom to top
  std::vector<ChartLabel> axisLabels;  // one per tick, same order
  ChartRectI legendBox;                // filled white, outlined
  std::vector<OverlayLegendEntry> legend;

  bool empty() const { return polylines.empty() && axisTicks.empty() && legend.empty(); }
  bool operator==(const OverlayScene&) const = default;
};

struct ChartScene {
  ChartRectI frame;                 // background with its outline
  BarShape barShape = BarShape::None;
  std::vector<ChartRectI> barRects;  // when bars are wide enough
  std::vector<ChartLineI> barLines;  // one-pixel bars
  std::vector<ChartLineI> gridLines; // vertical ticks, then horizontal lines
  std::vector<ChartLabel> labels;    // time labels, then millimetre labels
  std::vector<ChartLineI> cursorLines;
  OverlayScene overlay;  // drawn over the bars, under the cursor lines
  // The zoom band while the user drags it, over the chart's full height.
  bool hasBand = false;
  ChartRectI band;

  double barPitch = 0.0;
  bool hasLastTick = false;  // false when nothing was shown
  double lastTick = 0.0;
  int labelSkip = 0;           // bars between two labelled bars
  int64_t labelStepSeconds = 0;

  bool operator==(const ChartScene&) const = default;
};

// A small image of the cursor strip (ChartBitmaps' resource ids) at its
// top-left corner.
struct StripImage {
  int x = 0;
  int y = 0;
  int resourceId = 0;
  bool operator==(const StripImage&) const = default;
};

// The cursor strip under the chart, in the form view's coordinates: its
// white box, then the arrow buttons and the handles in drawing order (the
// handle on top last). CursorState fills it; ChartRenderer draws it.
struct CursorStripScene {
  ChartRectI frame;
  std::vector<StripImage> images;
  bool operator==(const CursorStripScene&) const = default;
};
