#pragma once
// CursorState: cursors A and B as the user handles them in the strip under
// the chart: their x positions and handle rectangles, which one is on top,
// the drag in progress, the arrow button held, and what a release or an
// arrow step does to the cursor indices in the DisplaySeries. Plain logic;
// the view forwards the mouse here and draws the handles, the lines and the
// pressed arrows from this state.
//
// A cursor's index (1-based, 0 = not placed), its end time and the value
// under it live in the DisplaySeries and the document; this class writes
// them. A value is only read for an index within the series; a cursor that
// ends up past the last value (released at the right end of a window that
// reaches beyond it) has no value. The statistics are CursorStatistics'.

#include "ChartScene.h"
#include "DisplaySeries.h"
#include "ViewLayout.h"

class CHyetoscopeDoc;

enum class Cursor { A, B };

class CursorState {
 public:
  enum DragMode { kNone = 0, kDragA = 4, kDragB = 5, kLeftHeld = 6, kRightHeld = 7 };
  enum ArrowState { kNoArrow = 0, kLeftArrow = 1, kRightArrow = 2 };

  // x of each cursor from its index, for the window of series on plot (the
  // cursor being dragged keeps the x the pointer gave it). Handles follow.
  void recompute(const ViewLayout& layout, const DisplaySeries& series);

  // Left button down at (x, y): picks the handle under the point, the top
  // one first. True when a drag started.
  bool press(int x, int y, const ViewLayout& layout);
  // Pointer moved to x while dragging: the cursor follows, kept on the plot.
  void move(int x, const ViewLayout& layout);
  // Left button up at x while dragging: the cursor snaps to a bar and its
  // index, end time and value are set. barPitch and lastTick are those of
  // the chart's last drawing (lastTick in chart coordinates).
  void release(int x, const ViewLayout& layout, double barPitch, double lastTick, CHyetoscopeDoc& doc);

  // The arrow buttons. Press and move inside an active button show it
  // pressed; a release inside it steps both cursors; elsewhere it lets go.
  bool leftActive(const DisplaySeries& series) const;
  bool rightActive(const DisplaySeries& series) const;
  void arrowPress(int x, int y, const ViewLayout& layout, const DisplaySeries& series);
  void arrowMove(int x, int y, const ViewLayout& layout, const DisplaySeries& series);
  // True when the cursors were stepped.
  bool arrowRelease(int x, int y, const ViewLayout& layout, CHyetoscopeDoc& doc);

  // Both indices += d (d = -1, 0, +1), end times and, with both placed,
  // the values under them. d = 0 refreshes them after the window moved.
  static void shift(int d, CHyetoscopeDoc& doc);
  // Sets cursor c to index (0 = not placed), with its end time and value.
  static void place(Cursor c, int index, CHyetoscopeDoc& doc);

  int x(Cursor c) const { return c == Cursor::A ? m_xA : m_xB; }
  ViewRect handle(Cursor c) const { return c == Cursor::A ? m_handleA : m_handleB; }
  bool bOnTop() const { return m_bOnTop; }
  int dragMode() const { return m_dragMode; }
  // The button drawn pressed: 0 none, 1 left, 2 right.
  int pressedButton() const { return m_pressed; }

  // What the strip shows now: its box, the two arrow buttons (pressed or
  // not) and the handles, the one on top last. withImages false: the box
  // only (before the chart is set up).
  CursorStripScene strip(const ViewLayout& layout, bool withImages = true) const;

 private:
  void setX(Cursor c, int x, const ViewLayout& layout);
  static bool inside(const ViewRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
  }

  int m_xA = 0;
  int m_xB = 0;
  ViewRect m_handleA;
  ViewRect m_handleB;
  bool m_bOnTop = false;
  int m_dragMode = kNone;
  int m_arrowState = kNoArrow;
  int m_pressed = 0;
};
