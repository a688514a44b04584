#pragma once
// OverlayGeometry: the overlay curves of the chart (continuous rainfall and
// effective rainfalls over the bars) as an OverlayScene for the shown window
// and the drawing rectangle of a ChartInput. Plain C++; ChartRenderer draws
// the result.
//
// Rules:
// - Drawn in the ten-minute and hourly modes only; other modes, an empty
//   window or no curves give an empty scene.
// - Bar i takes the curve's value at its own end: in the hourly mode the
//   value at the hour's last ten-minute slot. A bar without a value (a
//   missing slot, or beyond the curve) breaks the line.
// - x of a point is the bar's centre, left + 2 + p/2 + (i - f) p truncated,
//   as the time ticks. Bars narrower than a pixel share a column: the column
//   gets the lowest and the highest value found in it, in their order, so
//   the line still reaches every peak.
// - The right axis runs from 0 near the plot's bottom row to axisMax near
//   its top row, lineWidth pixels inside them so that a line drawn that wide
//   stays in the frame: y = bottom - 1 - w - round((h - 1 - 2w) v / axisMax)
//   (w the line width; x is kept w pixels inside too). axisMax is the
//   shown values' largest, at least kMinAxisMm, rounded up to a whole number
//   of steps of 1, 2, 2.5 or 5 times a power of ten, with at most
//   kMaxIntervals steps (fewer on a low chart, so labels stay a font height
//   apart). Ticks stand inward from the right edge; their labels right of
//   nothing, left of the ticks, the top one carrying the unit.
// - The legend, a white box of one row per curve, sits at the top left or
//   at the top right (left of the axis labels), whichever the bars and
//   curves reach less far into; the left one on a tie. Left out when the
//   plot is too small to hold it.
//
// Does not draw and keeps no state.

#include "ChartGeometry.h"
#include "ChartOverlayData.h"
#include "ChartScene.h"

class OverlayGeometry {
 public:
  static constexpr double kMinAxisMm = 10.0;
  static constexpr int kMaxIntervals = 5;

  static OverlayScene compute(const ChartInput& input, const ChartScene& chart);

  // The axis: smallest nice step whose whole multiple covering maxMm uses
  // at most maxIntervals steps. Returns the maximum; the step in *step.
  static double axisMaximum(double maxMm, int maxIntervals, double* step);
};
