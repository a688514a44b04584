#pragma once
// ReportRenderer: draws a ReportPage on a DrawingSurface - its lines in the
// black pen, then the chart (through the caller, who owns the chart
// control), then every text in its own font of the job. The one drawing
// routine for printer, PDF, preview and tests.
//
// Computes nothing: positions, texts and font heights come from the page
// builders and PageSetup.

#include "DrawingSurface.h"
#include "PageSetup.h"
#include "ReportPage.h"

#include <functional>

class ReportRenderer {
 public:
  using ChartDrawer = std::function<void(const ReportRect& rect, const SurfaceFont& graphFont)>;

  // The surface font of one of the job's fonts: weight 400 for the graph
  // font, 300 for the others; the summary labels underlined.
  static SurfaceFont surfaceFont(ReportFont font, const PrintFontHeights& heights);

  static void draw(const ReportPage& page, const PrintFontHeights& heights, DrawingSurface& surface,
                   const ChartDrawer& chart = {});
};
