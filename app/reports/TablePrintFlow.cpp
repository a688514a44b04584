#include "TablePrintFlow.h"

#include "CHyetoscopeDoc.h"
#include "RecordingState.h"

SavedChartState saveChartState(const CHyetoscopeDoc& doc, const RecordingState& state,
                               const IntervalWindows& windows, const ChartWindow* chartWindow) {
  SavedChartState s;
  s.mode = doc.intervalMode;
  s.visibleCount = doc.series().visibleCount;
  s.firstShownIndex = doc.series().firstShownIndex;
  s.firstShownMirror = state.firstShownIndexMirror;
  s.windows = windows;
  if (chartWindow != nullptr) s.zoom = chartWindow->saveState();
  return s;
}

void restoreChartState(CHyetoscopeDoc& doc, RecordingState& state, IntervalWindows& windows,
                       ChartWindow* chartWindow, const SavedChartState& saved) {
  doc.intervalMode = saved.mode;
  doc.rebuild();
  doc.series().visibleCount = saved.visibleCount;
  doc.series().firstShownIndex = saved.firstShownIndex;
  state.firstShownIndexMirror = saved.firstShownMirror;
  windows = saved.windows;
  if (chartWindow != nullptr && saved.zoom) chartWindow->restoreState(*saved.zoom);
}

PrintMode printModeOf(const CHyetoscopeDoc& doc) { return PrintMode{doc.printKind, doc.tableFlag, doc.tableKind}; }

void setGraphPrintMode(CHyetoscopeDoc& doc, int printKind) {
  doc.printKind = printKind;
  doc.tableFlag = false;
}

void prepareTableJob(CHyetoscopeDoc& doc, RecordingState& state, IntervalWindows& windows,
                     ChartWindow* chartWindow, const TableRequest& request, int printKind,
                     TableSnapshot& snapshot) {
  doc.printKind = printKind;
  doc.tableFlag = true;
  doc.tableKind = static_cast<int>(request.kind);
  const int64_t start = tableStartTime(request.kind, request.year, request.month).value_or(0);
  const SavedChartState saved = saveChartState(doc, state, windows, chartWindow);
  doc.intervalMode = request.kind == TableKind::HourlyMonth ? IntervalMode::Hourly : IntervalMode::Daily;
  doc.rebuild();
  snapshot = snapshotOf(doc.series(), start, request.station);
  restoreChartState(doc, state, windows, chartWindow, saved);
}
