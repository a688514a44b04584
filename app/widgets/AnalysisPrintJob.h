#pragma once
// AnalysisPrintJob: prints the rain analysis pages (RainAnalysisPages) on a
// QPrinter - a printer, a PDF file or the preview - with the printer's own
// metrics and fonts, through ReportRenderer like the other sheets, within
// the printer's page range.
//
// Computes no page: the layout and cells come from RainAnalysisPages.

#include "PageSetup.h"
#include "RainAnalysisPages.h"

#include <string>

class QPrinter;

// Pages drawn (0 when the printer is unusable or cannot start).
int printRainAnalysis(QPrinter& printer, const RainAnalysisPrint& print);
// The same into a PDF at path (A4, 600 dpi), written under a temporary name
// and renamed when complete; 0 and no file when nothing was written.
int printRainAnalysisToPdf(const std::string& path, const RainAnalysisPrint& print, PaperOrientation orientation);
