#pragma once
// PageSetup: everything a print job computes from the page before it draws -
// margins, the upper and lower page rectangles and the table rectangle, the
// heights of the job's fonts, the lines of a value-list column and the page
// count - as plain arithmetic over the printer's six metrics. Integer
// arithmetic, evaluated left to right, so every printer, PDF and preview at
// the same resolution gives the same page.
//
// Nothing here touches a printer: the print job (ReportPrintJob) reads the
// metrics from its device and hands them in.

#include "ReportPage.h"

#include <optional>

struct PageMetrics {
  int widthMm = 0;   // printable width and height in millimetres
  int heightMm = 0;
  int widthPx = 0;   // the same in device pixels
  int heightPx = 0;
  int dpiX = 0;
  int dpiY = 0;
  // False when any metric is 0: the step that asked draws nothing.
  bool usable() const {
    return widthMm > 0 && heightMm > 0 && widthPx > 0 && heightPx > 0 && dpiX > 0 && dpiY > 0;
  }
};

enum class PaperOrientation { Portrait = 1, Landscape = 2 };

// What the next print job prints (kept by the document): printKind -1 print,
// 0 table preview, 1 graph preview; tableFlag a table, else the graph;
// tableKind 0 the hourly monthly table, 1 the daily yearly table.
struct PrintMode {
  int printKind = -1;
  bool tableFlag = false;
  int tableKind = 0;
  bool tablePage() const { return tableFlag && (printKind == 0 || printKind == -1); }
  bool graphPage() const { return !tableFlag && (printKind == 1 || printKind == -1); }
};

struct PageMargins {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
  bool operator==(const PageMargins&) const = default;
};

struct PageRects {
  ReportRect r1;     // the chart
  ReportRect r2;     // the summary block
  ReportRect table;  // a rainfall table
};

// Pixel heights of the job's fonts; 0 for a font the job does not use.
struct PrintFontHeights {
  int graph = 0;
  int label = 0;
  int summary = 0;
  int list = 0;
  int tableTitle = 0;
  int tableBody = 0;
  int of(ReportFont font) const;
};

PageMargins GetPageMargins(const PageMetrics& m, PaperOrientation orientation);
// stockTextHeight: the height of the device's own font, before the job
// selects any of its fonts.
PageRects GetPageRects(const PageMetrics& m, const PageMargins& margins, int stockTextHeight);
PrintFontHeights printFontHeights(int printableHeight, const PrintMode& mode, PaperOrientation orientation);

// Value-list columns per page: 3 in portrait, 6 in landscape.
int listColumns(PaperOrientation orientation);
// Lines of a value-list column: the summary block's height in list lines;
// 0 when the list font has no height.
int linesPerColumn(const PageRects& rects, int listFontHeight);
// Value-list pages for `shown` values, at least 1.
int listPageCount(int shown, int columns, int lines);

// The whole set-up of one print job.
struct PrintLayout {
  PageMetrics metrics;
  PaperOrientation orientation = PaperOrientation::Portrait;
  PrintMode mode;
  PageMargins margins;
  PageRects rects;
  PrintFontHeights fonts;
  int columns = 3;
  int lines = 0;
  int lastPage = 1;  // graph jobs: 1 + list pages; table jobs: 1
};

// The set-up for a job, or nothing when the metrics are unusable.
std::optional<PrintLayout> planPrintLayout(const PageMetrics& metrics, PaperOrientation orientation,
                                           int stockTextHeight, const PrintMode& mode, int shownValues);
