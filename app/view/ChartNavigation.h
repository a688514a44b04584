#pragma once
// ChartNavigation: every way the chart's window on the DisplaySeries (visible
// count n from first shown index f) and its vertical maximum change: the
// band zoom, the four zoom commands, the initial size, Undo and Redo, the
// move commands, the scroll bar and the horizontal scale. Plain logic over
// the document; the view forwards commands and scroll actions here and
// repaints.
//
// Owns the current horizontal zoom (the width in bars of the last band or
// of the last zoom command), the band waiting to be applied at the next
// paint, the ZoomHistory and the saved-window record. Does not own the
// document, the program-wide mirror of f, or the remembered window of each
// interval mode (RememberedSpans, which the band zoom and the initial size
// write).
//
// The first shown index never leaves the series: wherever a step would put
// it at or past the value count (a band dragged over the empty slots after
// the last value, the thumb pulled past the end), it stops at the last
// value, so no drawing and no cursor reads beyond the values. The visible
// count may still reach past the end; those slots stay empty.

#include "IntervalMode.h"
#include "RememberedSpans.h"
#include "ZoomHistory.h"

#include <cstdint>

class CHyetoscopeDoc;
struct RecordingState;

// The zoom state of the chart as one value: what printing saves before it
// changes the window and puts back afterwards, whole. Restoring it brings
// back the window, the current horizontal zoom, the history with its
// position and redo count, and the document's Undo/Redo flags.
struct ChartZoomState {
  BarSpan window;            // n and f of the DisplaySeries
  double zoomBars = 0.0;         // current horizontal zoom; 0 before any
  double pendingBandOffset = 0.0;  // a band not yet applied; 0 for none
  ZoomHistory history;
  bool undoAvailable = false;
  bool redoAvailable = false;
  bool operator==(const ChartZoomState&) const = default;
};

// The window last set by a band zoom, with the mode it was set in. Table
// printing restores the document from it after it printed.
struct BandZoomRecord {
  IntervalMode mode = IntervalMode::Hourly;
  BarSpan window;
};

// The scroll bar's actions, as the bar reports them.
enum class ScrollCode { LineLeft, LineRight, PageLeft, PageRight, ThumbPosition, ThumbTrack, Other };

// What the scroll bar shows: range 0..maximum with a page of page units
// (the page is part of the range, as on the original bar), the thumb at
// position; enabled false for a bar that cannot scroll.
struct ScrollBarState {
  int maximum = 0;
  int page = 0;
  int position = 0;
  bool enabled = false;
  bool operator==(const ScrollBarState&) const = default;
};

// Default vertical maximum of a mode, in millimetres.
int defaultVerticalMax(IntervalMode mode);

class ChartNavigation {
 public:
  ChartNavigation(CHyetoscopeDoc& doc, RecordingState& state, RememberedSpans& windows);

  // After a load, a reload and a mode switch: slot 0 := the whole series,
  // position 0, Undo and Redo disabled.
  void startHistory();

  // A band drag ended: its width becomes the current zoom, its offset
  // waits for the next paint.
  void setBand(double widthBars, double offsetBars);
  // At the start of a paint with a recording loaded: applies the waiting
  // band. True when the window changed.
  bool applyPendingBand();
  // A band zoom onto window w chosen elsewhere (an event of the analysis
  // window): shown, remembered and written to the history exactly as a
  // dragged band of w.visibleCount bars would be, so one Undo goes back.
  void zoomTo(BarSpan w);

  void enlargeHorizontally();
  void shrinkHorizontally();
  void enlargeVertically();
  void shrinkVertically();
  void initialSize();
  // The vertical scale: the current mode's maximum becomes v and the series
  // is rebuilt with it; the window and the cursors stay.
  void setVerticalMax(int v);
  void undo();
  void redo();
  // f - 1 and f + 1; true when f changed (the cursors then follow).
  bool moveLeft();
  bool moveRight();

  // One scroll bar action: P the position it carries, P0 the bar's current
  // position, page the bar's page, plotWidth the width the thumb positions
  // are measured against. True when f changed in a way the cursors follow
  // (the jumps to either end do not move them).
  bool scroll(ScrollCode code, int position, int currentPosition, int page, int plotWidth);
  // The bar for the current window on a bar barWidth pixels wide.
  ScrollBarState scrollBar(int barWidth) const;

  // The window of the horizontal scale: bars from start S to end E (time
  // values) in the current mode. Monthly charts are left alone.
  void showRange(int64_t start, int64_t end);

  ChartZoomState saveState() const;
  void restoreState(const ChartZoomState& saved);

  double zoomBars() const { return m_zoomBars; }
  double pendingBandOffset() const { return m_bandOffset; }
  const ZoomHistory& history() const { return m_history; }
  const BandZoomRecord& bandZoomRecord() const { return m_saved; }

 private:
  HistoryFlags flags();
  void setFirstShown(int64_t f);
  void show(BarSpan w);
  // The window now shown becomes the saved window, the next history slot
  // and the mode's remembered window.
  void recordBandWindow();

  CHyetoscopeDoc& m_doc;
  RecordingState& m_state;
  RememberedSpans& m_windows;
  double m_zoomBars = 0.0;
  double m_bandOffset = 0.0;
  ZoomHistory m_history;
  BandZoomRecord m_saved;
};
