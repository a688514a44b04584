#include "RememberedSpans.h"

#include "CHyetoscopeDoc.h"
#include "RecordingState.h"

void RememberedSpans::clearAll() {
  for (BarSpan& w : m_windows) w = {};
}

bool RememberedSpans::switchTo(CHyetoscopeDoc& doc, RecordingState& state, IntervalMode mode) const {
  DisplaySeries& series = doc.series();
  // Cursor indices mean bars of one mode only.
  series.cursorA = 0;
  series.cursorB = 0;
  series.cursorAEnd = 0;
  series.cursorBEnd = 0;
  if (doc.intervalMode == mode) return false;
  doc.intervalMode = mode;
  doc.rebuild();
  doc.undoAvailable = false;
  const BarSpan w = remembered(mode);
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
