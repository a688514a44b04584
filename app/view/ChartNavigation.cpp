#include "ChartNavigation.h"

#include "CHyetoscopeDoc.h"
#include "RecordingState.h"

#include <algorithm>

int defaultVerticalMax(IntervalMode mode) {
  switch (mode) {
    case IntervalMode::Hourly: return 100;
    case IntervalMode::Daily: return 400;
    case IntervalMode::TenMinute: return 50;
    case IntervalMode::Monthly: return 800;
  }
  return 100;
}

ChartNavigation::ChartNavigation(CHyetoscopeDoc& doc, RecordingState& state, RememberedSpans& windows)
    : m_doc(doc), m_state(state), m_windows(windows) {}

HistoryFlags ChartNavigation::flags() { return HistoryFlags{m_doc.undoAvailable, m_doc.redoAvailable}; }

void ChartNavigation::setFirstShown(int64_t f) {
  const int last = std::max(m_doc.series().valueCount - 1, 0);
  m_doc.series().firstShownIndex = static_cast<int>(std::clamp<int64_t>(f, 0, last));
  m_state.firstShownIndexMirror = m_doc.series().firstShownIndex;
}

void ChartNavigation::show(BarSpan w) {
  m_doc.series().visibleCount = w.visibleCount;
  setFirstShown(w.firstShownIndex);
}

void ChartNavigation::startHistory() {
  m_history.setBase(m_doc.series().valueCount);
  m_history.reset(flags());
}

void ChartNavigation::setBand(double widthBars, double offsetBars) {
  m_zoomBars = widthBars;
  m_bandOffset = offsetBars;
}

bool ChartNavigation::applyPendingBand() {
  if (m_zoomBars == 0.0 || m_bandOffset == 0.0) return false;
  DisplaySeries& s = m_doc.series();
  // A band is at least one bar wide, so at least one bar stays.
  s.visibleCount = std::max(static_cast<int>(m_zoomBars), 1);
  setFirstShown(static_cast<int64_t>(s.firstShownIndex) + static_cast<int64_t>(m_bandOffset));
  m_bandOffset = 0.0;
  recordBandWindow();
  return true;
}

void ChartNavigation::zoomTo(BarSpan w) {
  m_zoomBars = std::max(w.visibleCount, 1);
  m_bandOffset = 0.0;
  m_doc.series().visibleCount = static_cast<int>(m_zoomBars);
  setFirstShown(w.firstShownIndex);
  recordBandWindow();
}

void ChartNavigation::recordBandWindow() {
  const DisplaySeries& s = m_doc.series();
  const BarSpan w{s.visibleCount, s.firstShownIndex};
  m_saved = BandZoomRecord{m_doc.intervalMode, w};
  m_history.push(w, flags());
  m_windows.remember(m_doc.intervalMode, w);
}

void ChartNavigation::enlargeHorizontally() {
  DisplaySeries& s = m_doc.series();
  if (s.visibleCount < 2) return;
  if (m_zoomBars != 0.0) {
    m_zoomBars *= 0.5;
    s.visibleCount = static_cast<int>(m_zoomBars);
  } else {
    s.visibleCount = static_cast<int>(s.visibleCount * 0.5);
    m_zoomBars = s.visibleCount;
  }
  // A zoom kept from another mode or from before an Undo can be far
  // narrower than this window; halving it must still leave a bar to show.
  s.visibleCount = std::max(s.visibleCount, 1);
}

void ChartNavigation::shrinkHorizontally() {
  if (m_zoomBars == 0.0) return;
  const DisplaySeries& s = m_doc.series();
  if (2 * m_zoomBars < s.valueCount - s.firstShownIndex) {
    m_zoomBars *= 2;
    m_doc.series().visibleCount = std::max(static_cast<int>(m_zoomBars), 1);
  }
}

void ChartNavigation::enlargeVertically() {
  DisplaySeries& s = m_doc.series();
  if (s.verticalMax <= 50) return;
  s.verticalMax -= 50;
  m_doc.verticalMax(m_doc.intervalMode) = s.verticalMax;
}

void ChartNavigation::shrinkVertically() {
  DisplaySeries& s = m_doc.series();
  if (s.verticalMax >= 950) return;
  s.verticalMax += 50;
  m_doc.verticalMax(m_doc.intervalMode) = s.verticalMax;
}

void ChartNavigation::initialSize() {
  DisplaySeries& s = m_doc.series();
  m_history.reset(flags());
  s.visibleCount = s.valueCount;
  setFirstShown(0);
  m_zoomBars = s.visibleCount;
  s.verticalMax = defaultVerticalMax(m_doc.intervalMode);
  m_doc.verticalMax(m_doc.intervalMode) = s.verticalMax;
  m_windows.clear(m_doc.intervalMode);
}

void ChartNavigation::setVerticalMax(int v) {
  m_doc.verticalMax(m_doc.intervalMode) = v;
  m_doc.rebuild();
}

void ChartNavigation::undo() {
  if (std::optional<BarSpan> w = m_history.undo(flags())) show(*w);
}

void ChartNavigation::redo() {
  if (std::optional<BarSpan> w = m_history.redo(flags())) show(*w);
}

bool ChartNavigation::moveLeft() {
  const DisplaySeries& s = m_doc.series();
  if (s.firstShownIndex <= 0) return false;
  setFirstShown(s.firstShownIndex - 1);
  return true;
}

bool ChartNavigation::moveRight() {
  const DisplaySeries& s = m_doc.series();
  if (s.firstShownIndex + s.visibleCount >= s.valueCount) return false;
  setFirstShown(s.firstShownIndex + 1);
  return true;
}

bool ChartNavigation::scroll(ScrollCode code, int position, int currentPosition, int page, int plotWidth) {
  const DisplaySeries& s = m_doc.series();
  const int64_t n = s.visibleCount;
  const int64_t f = s.firstShownIndex;
  const int64_t count = s.valueCount;
  if (n == 0) return false;
  switch (code) {
    case ScrollCode::LineLeft: return moveLeft();
    case ScrollCode::LineRight: return moveRight();
    case ScrollCode::PageLeft:
      if (n < f) {
        setFirstShown(f - n);
        return true;
      }
      setFirstShown(0);
      return false;
    case ScrollCode::PageRight:
      if (f + 2 * n < count - 1) {
        setFirstShown(f + n);
        return true;
      }
      if (f + n < count - 1) setFirstShown(count - n);
      return false;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack: {
      if (page == 0 || n >= count || plotWidth <= 0) return false;
      const int64_t p = position;
      const int64_t p0 = currentPosition;
      if (p > p0) {
        const int64_t at = p * count / plotWidth;
        if (count - n < at && at < count) {
          setFirstShown(count - n);
          return false;
        }
        setFirstShown(f + count * (p - p0) / plotWidth);
        return true;
      }
      if (p < p0) {
        if (p != 0) {
          setFirstShown(f - (p0 - p) * count / plotWidth);
          return true;
        }
        setFirstShown(0);
      }
      return false;
    }
    case ScrollCode::Other: break;
  }
  return false;
}

ScrollBarState ChartNavigation::scrollBar(int w) const {
  const DisplaySeries& s = m_doc.series();
  const int n = s.visibleCount;
  const int count = s.valueCount;
  if (n < count && count > 0 && static_cast<double>(w) * n / count != 0.0) {
    return ScrollBarState{w, static_cast<int>(static_cast<double>(w) * n / count),
                          s.firstShownIndex == 0 ? 0 : static_cast<int>(static_cast<double>(w) * s.firstShownIndex / count),
                          true};
  }
  return ScrollBarState{w, w, 0, false};
}

void ChartNavigation::showRange(int64_t start, int64_t end) {
  const int64_t bar = barSeconds(m_doc.intervalMode);
  if (bar == 0) return;
  DisplaySeries& s = m_doc.series();
  const int64_t f = (start - s.seriesStart) / bar - 1;
  const int64_t n = (end - start) / bar + 1;
  s.visibleCount = static_cast<int>(std::clamp<int64_t>(n, 1, kDisplayValueRoom));
  setFirstShown(f == -1 ? 0 : f);
}

ChartZoomState ChartNavigation::saveState() const {
  const DisplaySeries& s = m_doc.series();
  return ChartZoomState{{s.visibleCount, s.firstShownIndex}, m_zoomBars, m_bandOffset, m_history,
                        m_doc.undoAvailable, m_doc.redoAvailable};
}

void ChartNavigation::restoreState(const ChartZoomState& saved) {
  m_doc.series().visibleCount = saved.window.visibleCount;
  setFirstShown(saved.window.firstShownIndex);
  m_zoomBars = saved.zoomBars;
  m_bandOffset = saved.pendingBandOffset;
  m_history = saved.history;
  m_doc.undoAvailable = saved.undoAvailable;
  m_doc.redoAvailable = saved.redoAvailable;
}
