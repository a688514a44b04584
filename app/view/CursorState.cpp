#include "CursorState.h"

#include "ChartBitmaps.h"

#include "CHyetoscopeDoc.h"

#include <algorithm>

void CursorState::setX(Cursor c, int x, const ViewLayout& layout) {
  const ViewRect& plot = layout.plot;
  const ViewRect handle = cursorHandleRect(x, plot.left, plot.right, layout.cursorStrip.top);
  if (c == Cursor::A) {
    m_xA = x;
    m_handleA = handle;
  } else {
    m_xB = x;
    m_handleB = handle;
  }
}

void CursorState::recompute(const ViewLayout& layout, const DisplaySeries& series) {
  const ViewRect& plot = layout.plot;
  const int n = series.visibleCount;
  if (n == 0) {
    setX(Cursor::A, m_xA, layout);
    setX(Cursor::B, m_xB, layout);
    return;
  }
  const double pitch = (plot.right - plot.left - 3) / static_cast<double>(n);
  const int f = series.firstShownIndex;
  auto at = [&](int index) {
    return plot.left + static_cast<int>(pitch * (index - f)) - static_cast<int>(pitch / 2) + 2;
  };
  if (m_dragMode != kDragA) setX(Cursor::A, at(series.cursorA), layout);
  if (m_dragMode != kDragB) setX(Cursor::B, at(series.cursorB), layout);
}

bool CursorState::press(int x, int y, const ViewLayout& layout) {
  const Cursor order[2] = {m_bOnTop ? Cursor::B : Cursor::A, m_bOnTop ? Cursor::A : Cursor::B};
  for (Cursor c : order) {
    if (!inside(handle(c), x, y)) continue;
    m_bOnTop = c == Cursor::B;
    m_dragMode = c == Cursor::A ? kDragA : kDragB;
    setX(c, this->x(c), layout);
    return true;
  }
  return false;
}

void CursorState::move(int x, const ViewLayout& layout) {
  if (m_dragMode != kDragA && m_dragMode != kDragB) return;
  const Cursor c = m_dragMode == kDragA ? Cursor::A : Cursor::B;
  setX(c, std::clamp(x, layout.plot.left, layout.plot.right), layout);
}

void CursorState::release(int px, const ViewLayout& layout, double p, double lastTick, CHyetoscopeDoc& doc) {
  if (m_dragMode != kDragA && m_dragMode != kDragB) return;
  const Cursor c = m_dragMode == kDragA ? Cursor::A : Cursor::B;
  m_dragMode = kNone;
  const DisplaySeries& s = doc.series();
  const int n = s.visibleCount;
  const int left = layout.plot.left;
  const int right = layout.plot.right;
  place(c, 0, doc);
  if (n <= 0) return;
  const double pitch = (right - left - 3) / static_cast<double>(n);
  double snapped = x(c);
  int k = 1;
  if (px < left) {
    snapped = left + 2 + p / 2;
  } else if (px + 1 >= right) {
    k = n;
    snapped = right - p / 2;
  } else {
    // Past the right edge of the last bar with a value there is no bar to
    // snap to; the cursor then goes to the first shown bar.
    const double boundary = left + lastTick - pitch / 2;
    const bool overBars = c == Cursor::A ? px <= boundary : px < boundary;
    if (overBars && pitch > 0.0) {
      while (px - left > k * pitch) ++k;
      snapped = left + 2 + pitch / 2 + (k - 1) * pitch;
    }
  }
  m_bOnTop = c == Cursor::B;
  setX(c, static_cast<int>(snapped), layout);
  place(c, s.firstShownIndex + k, doc);
}

void CursorState::place(Cursor c, int index, CHyetoscopeDoc& doc) {
  DisplaySeries& s = doc.series();
  const int64_t bar = barSeconds(s.intervalMode);
  const int64_t end = bar == 0 ? 0 : s.seriesStart + static_cast<int64_t>(index) * bar;
  const double value = index >= 1 && index <= s.valueCount ? s.values[index - 1] : 0.0;
  if (c == Cursor::A) {
    s.cursorA = index;
    if (bar != 0) s.cursorAEnd = end;
    doc.valueUnderA = value;
  } else {
    s.cursorB = index;
    if (bar != 0) s.cursorBEnd = end;
    doc.valueUnderB = value;
  }
}

void CursorState::shift(int d, CHyetoscopeDoc& doc) {
  DisplaySeries& s = doc.series();
  const int a = std::max(s.cursorA + d, 0);
  const int b = std::max(s.cursorB + d, 0);
  const double underA = doc.valueUnderA;
  const double underB = doc.valueUnderB;
  place(Cursor::A, a, doc);
  place(Cursor::B, b, doc);
  // With a cursor unplaced the values under the cursors are left as they
  // were; only a placed pair reads new ones.
  if (a == 0 || b == 0) {
    doc.valueUnderA = underA;
    doc.valueUnderB = underB;
  }
}

bool CursorState::leftActive(const DisplaySeries& s) const {
  return s.cursorA > 1 && s.cursorB > 1 && m_arrowState != kRightArrow;
}

bool CursorState::rightActive(const DisplaySeries& s) const {
  return s.cursorA < s.valueCount && s.cursorB < s.valueCount && m_arrowState != kLeftArrow;
}

void CursorState::arrowPress(int x, int y, const ViewLayout& layout, const DisplaySeries& s) {
  if (inside(layout.leftArrow, x, y) && leftActive(s)) {
    m_pressed = 1;
    m_dragMode = kLeftHeld;
    m_arrowState = kLeftArrow;
  } else if (inside(layout.rightArrow, x, y) && rightActive(s)) {
    m_pressed = 2;
    m_dragMode = kRightHeld;
    m_arrowState = kRightArrow;
  }
}

void CursorState::arrowMove(int x, int y, const ViewLayout& layout, const DisplaySeries& s) {
  if (m_dragMode != kLeftHeld && m_dragMode != kRightHeld) return;
  if (inside(layout.leftArrow, x, y) || inside(layout.rightArrow, x, y)) {
    arrowPress(x, y, layout, s);
  } else {
    m_pressed = 0;
  }
}

bool CursorState::arrowRelease(int x, int y, const ViewLayout& layout, CHyetoscopeDoc& doc) {
  if (m_dragMode != kLeftHeld && m_dragMode != kRightHeld) return false;
  const DisplaySeries& s = doc.series();
  bool stepped = false;
  if (inside(layout.leftArrow, x, y) && leftActive(s)) {
    if (s.cursorA != 0 && s.cursorB != 0) {
      shift(-1, doc);
      stepped = true;
    }
  } else if (inside(layout.rightArrow, x, y) && rightActive(s)) {
    shift(+1, doc);
    stepped = true;
  }
  m_arrowState = kNoArrow;
  m_pressed = 0;
  m_dragMode = kNone;
  return stepped;
}

CursorStripScene CursorState::strip(const ViewLayout& layout, bool withImages) const {
  const ViewRect& box = layout.cursorStrip;
  CursorStripScene scene;
  scene.frame = ChartRectI{box.left, box.top, box.right, box.bottom};
  if (!withImages) return scene;
  scene.images.push_back({layout.leftArrow.left, layout.leftArrow.top,
                          m_pressed == 1 ? ChartBitmaps::kLeftArrowPressed : ChartBitmaps::kLeftArrow});
  scene.images.push_back({layout.rightArrow.left, layout.rightArrow.top,
                          m_pressed == 2 ? ChartBitmaps::kRightArrowPressed : ChartBitmaps::kRightArrow});
  const Cursor top = m_bOnTop ? Cursor::B : Cursor::A;
  const Cursor below = m_bOnTop ? Cursor::A : Cursor::B;
  for (Cursor c : {below, top}) {
    const ViewRect h = handle(c);
    scene.images.push_back({h.left, h.top, c == Cursor::A ? ChartBitmaps::kHandleA : ChartBitmaps::kHandleB});
  }
  return scene;
}
