#pragma once
// RainAnalysisPages: the printed rain analysis as plain pages - the storm
// event table, then the table of maximum rainfall by duration, each under a
// title line with the data name and the settings it was computed with,
// continued over as many pages as its rows need (the header row repeated on
// every page), every page numbered "n / N". The cells are the window's
// (cellDisplayText); ReportRenderer draws the pages like the other sheets.
//
// Column widths come from the widest text of each column in the body font
// (the caller's TextWidth, measured on the printer at the layout's body
// height). When the wider table would not fit the area, the body font of
// every page is made smaller by the missing share (layout.fonts.tableBody
// is changed: draw the pages with it) and the widths with it.

#include "PageSetup.h"
#include "RainAnalysisResults.h"
#include "ReportPage.h"
#include "TableSnapshot.h"

#include <string>
#include <vector>

struct RainAnalysisPrint {
  std::string dataName;  // UTF-8, as the window's title shows it
  RainAnalysisSettings settings;
  AnalysisTable events;
  AnalysisTable maxima;
};

// The area and the two font heights of an analysis page on a printer.
struct AnalysisPageLayout {
  ReportRect area;
  PrintFontHeights fonts;  // tableTitle and tableBody only
};
AnalysisPageLayout analysisPageLayout(const PageMetrics& metrics, PaperOrientation orientation);

// The settings line under a table's title: "無降雨間隔 360分 ..." for the
// events, the periods listed for the maxima.
std::string analysisSettingsLine(const RainAnalysisSettings& settings, AnalysisTab tab);

std::vector<ReportPage> buildRainAnalysisPages(const RainAnalysisPrint& print, AnalysisPageLayout& layout,
                                               const TextWidth& width);
