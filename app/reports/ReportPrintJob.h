#pragma once
// ReportPrintJob: one print job of the chart or of a rainfall table on any
// paged paint device (a printer, a PDF writer), in the steps of the
// program's printing: begin (page set-up, fonts, page count, pending changes
// held), one call per page, end (pending changes put back).
//
// Qt Gui only: no widget is created and none is needed. The printer itself
// (set-up, orientation, page range, PDF files through QPrinter) is
// PrinterOutput's, in the widgets layer, because Qt's print support links Qt
// Widgets.
//
// The pages themselves are plain data (GraphPages, HourlyMonthTable,
// DailyYearTable) drawn by ReportRenderer; the chart in the chart page is
// drawn by ChartPainter, the routine that draws the screen's chart, and
// leaves nothing behind (the screen keeps its own pitch and last tick).
//
// Every font metric comes from the device. A page whose metrics are
// unusable draws nothing; a painter or page that cannot start ends the job
// quietly, and the end step still runs.

#include "GraphPages.h"
#include "PageSetup.h"
#include "PrintJobHold.h"
#include "TableSnapshot.h"

#include <QFontMetrics>

#include <memory>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
struct RecordingState;

// What a job prints: the print mode and, by it, the chart data or the table.
struct PrintSource {
  PrintMode mode;
  GraphPrintData graph;
  const TableSnapshot* table = nullptr;
};

// The six metrics of a device's printable area.
PageMetrics GetPageMetrics(const QPaintDevice& device);

class ReportPrintJob {
 public:
  // state: whose pending changes the job holds (may be null).
  explicit ReportPrintJob(RecordingState* state);
  ~ReportPrintJob();

  // Begin: false (and nothing held) when the device's metrics are unusable.
  bool beginPrinting(const QPaintDevice& device, PaperOrientation orientation, const PrintSource& source);
  int lastPage() const { return m_layout ? m_layout->lastPage : 0; }
  const std::optional<PrintLayout>& layout() const { return m_layout; }
  // The page's data (page 1: chart page or table; 2 on: value list).
  ReportPage pageData(int page) const;
  // Width of a text in the body font of the job's tables, on the device.
  int bodyTextWidth(const std::string& utf8) const;
  void printPage(QPainter& painter, int page);
  void endPrinting();

  // A whole job, pages fromPage..toPage of it (0: from the first, to the
  // last); returns the number of pages drawn.
  int run(QPagedPaintDevice& device, PaperOrientation orientation, const PrintSource& source, int fromPage = 0,
          int toPage = 0);

 private:
  RecordingState* m_state;
  PrintSource m_source;
  std::optional<PrintLayout> m_layout;
  std::unique_ptr<PrintJobHold> m_hold;
  std::optional<QFontMetrics> m_bodyMetrics;
};
