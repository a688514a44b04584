#pragma once
// CPrintCommands: the print commands of the view - print and preview the
// chart (32852, 32845), print and preview a rainfall table (32826, 32846),
// the printer set-up (57606) and the toolbar's print (57607, the job the
// print mode names). It owns the one QPrinter they all share and the table
// snapshot a table preview draws from, and runs each job through
// ReportPrintJob (which draws the chart with no widget).
//
// It does not compute pages (the page builders do) nor change the chart's
// state beyond what TablePrintFlow puts back. The four dialogs it shows can
// be replaced (tests script them).

#include "TablePrintSettings.h"
#include "TableSnapshot.h"

#include <QPrinter>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class CHyetoscopeDoc;
class ChartNavigation;
class RememberedSpans;
class QWidget;
class UserMessages;
struct ChartOverlayData;
struct PrintSource;
struct RecordingState;

class CPrintCommands {
 public:
  struct Dialogs {
    std::function<std::optional<TableRequest>()> askTable;  // nothing: cancelled
    std::function<bool(QPrinter&)> askPrint;                // false: cancelled
    // Shows the preview; calls paint for every page request until closed.
    std::function<void(QPrinter&, const std::function<void(QPrinter&)>& paint)> preview;
    std::function<void(QPrinter&)> pageSetup;
  };

  CPrintCommands(CHyetoscopeDoc& doc, RecordingState& state, RememberedSpans& windows, UserMessages& messages,
                 QWidget* parent);
  ~CPrintCommands();

  // The view's zoom state, kept whole across a table command.
  void setChartNavigation(ChartNavigation* chartNavigation) { m_chartNavigation = chartNavigation; }
  void setDialogs(Dialogs dialogs) { m_dialogs = std::move(dialogs); }
  // The print time of the chart page; the wall clock unless replaced.
  void setClock(std::function<int64_t()> clock) { m_clock = std::move(clock); }
  // Where the chart page takes the curves drawn over its bars (the screen's
  // overlay); null or no source: none.
  void setOverlaySource(std::function<const ChartOverlayData*()> source) { m_overlay = std::move(source); }

  // Carries out one of the six commands; false for any other.
  bool onCommand(int commandId);

  // The shared printer, set up on first use (asking the system for its
  // printers is left until something is printed).
  QPrinter& printer();
  const TableSnapshot& snapshot() const { return m_snapshot; }

 private:
  void printGraph(int printKind);
  void tableCommand(int printKind);
  void printCurrent();
  void previewCurrent();
  int runJob(QPrinter& printer);
  PrintSource source() const;
  Dialogs defaultDialogs();

  CHyetoscopeDoc& m_doc;
  RecordingState& m_state;
  RememberedSpans& m_windows;
  UserMessages& m_messages;
  QWidget* m_parent;
  ChartNavigation* m_chartNavigation = nullptr;
  std::unique_ptr<QPrinter> m_printer;
  TableSnapshot m_snapshot;
  Dialogs m_dialogs;
  std::function<int64_t()> m_clock;
  std::function<const ChartOverlayData*()> m_overlay;
};
