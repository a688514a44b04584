#pragma once
// RememberedSpans: the view's memory of the window (visible count and first
// shown index) last shown in each interval mode, and the interval command
// that switches the document between modes with it. Plain logic; the view
// widget refreshes its fields and menus after a switch.
//
// It does not own the document; the zoom commands write the remembered
// windows through remember() and the initial-size command clears one.

#include "IntervalMode.h"

class CHyetoscopeDoc;
struct RecordingState;

struct BarSpan {
  int visibleCount = 0;  // 0: nothing remembered
  int firstShownIndex = 0;
  bool operator==(const BarSpan&) const = default;
};

class RememberedSpans {
 public:
  void clearAll();
  void clear(IntervalMode mode) { m_windows[index(mode)] = {}; }
  void remember(IntervalMode mode, BarSpan window) { m_windows[index(mode)] = window; }
  BarSpan remembered(IntervalMode mode) const { return m_windows[index(mode)]; }

  // The interval command for mode. Cursors are cleared in any case; returns
  // true when the mode changed (the document is then rebuilt for it and
  // shows the remembered window, or the whole series).
  bool switchTo(CHyetoscopeDoc& doc, RecordingState& state, IntervalMode mode) const;

 private:
  static int index(IntervalMode mode) { return static_cast<int>(mode); }
  BarSpan m_windows[4];
};
