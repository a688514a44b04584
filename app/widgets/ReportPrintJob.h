#pragma once
// ReportPrintJob: one print job of the chart or of a rainfall table on a
// QPrinter (a printer, a PDF file or the preview), in the steps of the
// program's printing: begin (page set-up, fonts, page count, pending changes
// held), one call per page, end (pending changes put back).
//
// Entry points, shared by the window and by the command-line tool so that
// both make the same pages:
//   - setUpPrinter(printer): the one set-up every job's printer gets
//     (600 dpi, A4 unless chosen otherwise, no extra margins);
//   - ReportPrintJob::run(printer, source): a whole job - begin, every page
//     (or the printer's page range), end; what the preview calls for each
//     of its requests;
//   - printGraphToPdf / printTableToPdf: a whole job into a PDF file, written
//     under a temporary name and renamed only when complete.
// For example, the monthly sheet of May 2024 of a loaded recording:
//   auto table = makeTableSnapshot(recording, TableKind::HourlyMonth, 2024, 5, "観測所");
//   if (table) printTableToPdf("may.pdf", *table, TableKind::HourlyMonth, PaperOrientation::Portrait);
// and the chart pages of a series, shown from index f, n values:
//   series.firstShownIndex = f; series.visibleCount = n;
//   printGraphToPdf("chart.pdf", GraphPrintData{&series, true, printDataName(recording), time(nullptr)},
//                   PaperOrientation::Landscape);
// (a QApplication must exist: the chart is drawn by a widget class).
// The pages themselves are plain data (GraphPages, HourlyMonthTable,
// DailyYearTable) drawn by ReportRenderer; the chart is drawn by the chart
// control's own paintToDevice, whose bar pitch and last tick are put back
// afterwards so that the screen's band zoom and cursor snapping still work.
//
// Every font metric comes from the printer. A page whose metrics are
// unusable draws nothing; a painter or page that cannot start ends the job
// quietly, and the end step still runs.

#include "GraphPages.h"
#include "PageSetup.h"
#include "PrintJobHold.h"
#include "TableSnapshot.h"

#include <QFont>
#include <QFontMetrics>

#include <memory>
#include <optional>
#include <string>

class GraphPlotCtrl;
class QPainter;
class QPrinter;
struct RecordingState;

// What a job prints: the print mode and, by it, the chart data or the table.
struct PrintSource {
  PrintMode mode;
  GraphPrintData graph;
  const TableSnapshot* table = nullptr;
};

// The six metrics of the printer's printable area.
PageMetrics GetPageMetrics(QPrinter& printer);
PaperOrientation printerOrientation(const QPrinter& printer);
void setUpPrinter(QPrinter& printer);

class ReportPrintJob {
 public:
  // chart: the control that draws the chart (the view's own one in the
  // program); state: whose pending changes the job holds (may be null).
  ReportPrintJob(GraphPlotCtrl& chart, RecordingState* state);
  ~ReportPrintJob();

  // Begin: false (and nothing held) when the printer's metrics are unusable.
  bool beginPrinting(QPrinter& printer, const PrintSource& source);
  int lastPage() const { return m_layout ? m_layout->lastPage : 0; }
  const std::optional<PrintLayout>& layout() const { return m_layout; }
  // The page's data (page 1: chart page or table; 2 on: value list).
  ReportPage pageData(int page) const;
  // Width of a text in the body font of the job's tables, on the printer.
  int bodyTextWidth(const std::string& utf8) const;
  void printPage(QPainter& painter, int page);
  void endPrinting();

  // A whole job; returns the number of pages drawn.
  int run(QPrinter& printer, const PrintSource& source);

 private:
  GraphPlotCtrl& m_chart;
  RecordingState* m_state;
  PrintSource m_source;
  std::optional<PrintLayout> m_layout;
  std::unique_ptr<PrintJobHold> m_hold;
  std::optional<QFontMetrics> m_bodyMetrics;
};

// A whole job into a PDF file at path, A4 in the given orientation, 600 dpi.
// Returns the pages written, 0 when nothing was (no file is left then).
// chart may be null: a control of its own is used.
int printGraphToPdf(const std::string& path, const GraphPrintData& data, PaperOrientation orientation,
                    GraphPlotCtrl* chart = nullptr);
int printTableToPdf(const std::string& path, const TableSnapshot& table, TableKind kind,
                    PaperOrientation orientation);
