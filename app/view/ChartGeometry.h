#pragma once
// ChartGeometry: computes the whole rainfall chart of a DisplaySeries as a
// ChartScene: frame, bars, tick and grid lines, label texts and positions,
// cursor lines, the bar pitch and the last-tick position, and the overlay
// curves when asked for (OverlayGeometry). Plain C++: no
// painter, no widget; the same computation serves the screen and printing.
//
// Does not draw (ChartRenderer does) and does not keep state between calls.

#include "ChartScene.h"
#include "DisplaySeries.h"

#include <functional>
#include <string>

struct ChartOverlayData;

struct ChartInput {
  // Drawing rectangle: right and bottom exclusive.
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int fontHeight = 13;  // h, the unit of the label offsets
  // Width of a label in the font it is drawn with; empty: estimated from
  // the font height (DrawingSurface::estimatedTextWidth).
  std::function<int(const std::string&)> textWidth;
  bool loaded = true;   // false: background and frame only
  const DisplaySeries* series = nullptr;
  // Per value of the series, the ten-minute slots no recording covers
  // (RainSeries::missingSlots, from the station archive): a bucket with one
  // draws no bar. Null: nothing is missing (a series built from a recording).
  const int* missingSlots = nullptr;

  // One-pixel bars: false draws one line per pixel column with the tallest
  // bar of that column, which gives the same pixels as one line per bar.
  bool lineEveryBar = false;

  // Cursor lines (screen only): x positions in view coordinates and the
  // plot's left edge in the view, which turns them into chart coordinates.
  bool cursors = false;
  int cursorAX = 0;
  int cursorBX = 0;
  int viewOffsetX = 0;

  // Curves drawn over the bars in the ten-minute and hourly modes, with a
  // right-hand axis and a legend (OverlayGeometry); null: none, and the
  // scene is exactly the chart without them.
  const ChartOverlayData* overlay = nullptr;
  // The zoom band being dragged (screen only): its x range from the chart's
  // left edge, right exclusive; nothing when empty.
  bool band = false;
  int bandLeft = 0;
  int bandRight = 0;
};

// Time labels never run into each other: a label that would start less
// than kLabelGap pixels after the end of the one drawn before it in its row
// is left out (its tick and grid line stay). Where the tick table spaces the
// labels widely enough, all of them are drawn.
class ChartGeometry {
 public:
  static constexpr int kLabelGap = 3;

  static ChartScene compute(const ChartInput& input);
  // Only what compute XORs over the drawing: the cursor lines and the zoom
  // band (both empty when nothing is loaded). The screen keeps the rest as a
  // picture and redraws just these when only they changed.
  static ChartScene xorParts(const ChartInput& input);

  // Bar pitch for n bars on a drawing rectangle W pixels wide.
  static double pitch(int w, int n) { return (w - 4) / static_cast<double>(n); }

 private:
  static void bars(const ChartInput& in, ChartScene& scene);
  static void timeAxis(const ChartInput& in, ChartScene& scene);
  static void valueAxis(const ChartInput& in, ChartScene& scene);
  static void cursorLines(const ChartInput& in, ChartScene& scene);
};
