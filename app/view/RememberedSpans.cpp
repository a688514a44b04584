#include "IntervalWindows.h"

#include "CHyetoscopeDoc.h"
#include "RecordingState.h"

void IntervalWindows::clearAll() {
  for (ShownWindow& w : m_windows) w = {};
}

bool IntervalWindows::switchTo(CHyetoscopeDoc& doc, RecordingState& state, IntervalMode mode) const {
  DisplaySeries& series = doc.series();
  // Cursor indices mean bars of one mode only.
  series.cursorA = 0;
  series.cursorB = 0;
  series.cursorAEnd = 0;
  series.cursorBEnd = 0;
  if (doc.intervalMode == mode) return false;
  doc.intervalMode = mode;
  doc.rebuild();
  doc.undoAvailable = 0;
  const ShownWindow w = remembered(mode);
  if (w.visibleCount != 0) {
    series.visibleCount = w.visibleCount;
    series.firstShownIndex = w.firstShownIndex;
  } else {
    series.firstShownIndex = 0;
    series.visibleCount = series.valueCount;
  }
  state.firstShownIndexMirror = series.firstShownIndex;
  return true;
}
