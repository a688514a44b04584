#pragma once
// TablePrintFlow: what a table command does to the document around printing.
// It keeps the chart's state (interval mode, shown window, the window
// remembered for each mode, and the zoom with its history and Undo/Redo
// flags), switches the document to the table's interval
// (hourly for the monthly table, daily for the yearly one), copies that series
// into the table snapshot, sets the print mode, and puts the chart back
// exactly as it was - before the printer dialog or the preview opens, so the
// window behind them never shows the table's interval, and whatever the user
// does there (print, cancel, close the preview) the chart is the one from
// before the command.
//
// Plain code: the print command (CPrintCommands) shows the dialogs.

#include "ChartNavigation.h"
#include "IntervalMode.h"
#include "RememberedSpans.h"
#include "PageSetup.h"
#include "TablePrintSettings.h"
#include "TableSnapshot.h"

class CHyetoscopeDoc;
struct RecordingState;

// The chart's state a table command puts back.
struct SavedChartState {
  IntervalMode mode = IntervalMode::Hourly;
  int visibleCount = 0;
  int firstShownIndex = 0;
  int firstShownMirror = 0;
  RememberedSpans windows;
  std::optional<ChartZoomState> zoom;  // when there is a chart window
};

// chartNavigation may be null (no view): then only the document's side is kept.
SavedChartState saveChartState(const CHyetoscopeDoc& doc, const RecordingState& state,
                               const RememberedSpans& windows, const ChartNavigation* chartNavigation);
void restoreChartState(CHyetoscopeDoc& doc, RecordingState& state, RememberedSpans& windows,
                       ChartNavigation* chartNavigation, const SavedChartState& saved);

// The document's print flags as a PrintMode, and the graph commands' and
// table commands' settings of them (the table kind stays for the graph).
PrintMode printModeOf(const CHyetoscopeDoc& doc);
void setGraphPrintMode(CHyetoscopeDoc& doc, int printKind);

// The table command's work on the document: afterwards snapshot holds the
// table's series and the document prints that table (print kind -1 to print,
// 0 to preview), with the chart restored.
void prepareTableJob(CHyetoscopeDoc& doc, RecordingState& state, RememberedSpans& windows,
                     ChartNavigation* chartNavigation, const TableRequest& request, int printKind,
                     TableSnapshot& snapshot);
