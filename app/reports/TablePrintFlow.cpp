#include "TablePrintFlow.h"

#include "CHyetoscopeDoc.h"
#include "RecordingState.h"

SavedChartState saveChartState(const CHyetoscopeDoc& doc, const RecordingState& state,
                               const RememberedSpans& windows, const ChartNavigation* chartNavigation) {
  SavedChartState s;
  s.mode = doc.intervalMode;
  s.visibleCount = doc.series().visibleCount;
  s.firstShownIndex = doc.series().firstShownIndex;
  s.firstShownMirror = state.firstShownIndexMirror;
  s.windows = windows;
  if (chartNavigation != nullptr) s.zoom = chartNavigation->saveState();
  return s;
}

void restoreChartState(CHyetoscopeDoc& doc, RecordingState& state, RememberedSpans& windows,
                       ChartNavigation* chartNavigation, const SavedChartState& saved) {
  doc.intervalMode = saved.mode;
  doc.rebuild();
  doc.series().visibleCount = saved.visibleCount;
  doc.series().firstShownIndex = saved.firstShownIndex;
  state.firstShownIndexMirror = saved.firstShownMirror;
  windows = saved.windows;
  if (chartNavigation != nullptr && saved.zoom) chartNavigation->restoreState(*saved.zoom);
}

PrintMode printModeOf(const CHyetoscopeDoc& doc) { return PrintMode{doc.printKind, doc.tableFlag, doc.tableKind}; }

void setGraphPrintMode(CHyetoscopeDoc& doc, int printKind) {
  doc.printKind = printKind;
  doc.tableFlag = false;
}

void prepareTableJob(CHyetoscopeDoc& doc, RecordingState& state, RememberedSpans& windows,
                     ChartNavigation* chartNavigation, const TableRequest& request, int printKind,
                     TableSnapshot& snapshot) {
  doc.printKind = printKind;
  doc.tableFlag = true;
  doc.tableKind = static_cast<int>(request.kind);
  const int64_t start = tableStartTime(request.kind, request.year, request.month).value_or(0);
  const SavedChartState saved = saveChartState(doc, state, windows, chartNavigation);
  doc.intervalMode = request.kind == TableKind::HourlyMonth ? IntervalMode::Hourly : IntervalMode::Daily;
  doc.rebuild();
  snapshot = snapshotOf(doc.series(), start, request.station);
  restoreChartState(doc, state, windows, chartNavigation, saved);
}
