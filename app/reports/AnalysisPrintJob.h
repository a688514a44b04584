#pragma once
// AnalysisPrintJob: prints the rain analysis pages (RainAnalysisPages) on a
// paged device - a printer, a PDF file or the preview - with the device's
// own metrics and fonts, through ReportRenderer like the other sheets,
// within a page range.
//
// Computes no page: the layout and cells come from RainAnalysisPages.

#include "PageSetup.h"
#include "RainAnalysisPages.h"

#include <string>

class QPagedPaintDevice;

// Pages fromPage..toPage (0: from the first, to the last) drawn in the given
// orientation; 0 when the device is unusable or cannot start.
int printRainAnalysis(QPagedPaintDevice& device, PaperOrientation orientation, const RainAnalysisPrint& print,
                      int fromPage = 0, int toPage = 0);
// The same into a PDF at path (A4, 600 dpi), written under a temporary name
// and renamed when complete; 0 and no file when nothing was written.
int printRainAnalysisToPdf(const std::string& path, const RainAnalysisPrint& print, PaperOrientation orientation);
