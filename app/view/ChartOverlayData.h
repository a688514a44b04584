#pragma once
// ChartOverlayData: the per-slot curves the chart may draw over its bars
// (continuous rainfall, effective rainfalls), as the rain analysis computed
// them for the loaded recording. Curve k's value mm[j] belongs to the end
// of ten-minute slot j, slot 0 starting at slotStart; NaN where the value
// cannot be computed (the line breaks there).
//
// Plain data, filled by the analysis side (OverlayCurves) and read by
// OverlayGeometry; it does not know the chart's window or size.

#include <cstdint>
#include <string>
#include <vector>

struct OverlayCurve {
  std::string label;       // UTF-8, the legend's text
  std::vector<double> mm;  // one value per ten-minute slot
};

struct ChartOverlayData {
  int64_t slotStart = 0;             // start of slot 0, seconds since 1970
  std::vector<OverlayCurve> curves;  // drawn in this order, styled by position
};
