// The chart's window: band zoom, zoom commands, the history behind Undo and
// Redo, the move commands and the scroll bar, on the long sample in hourly
// mode.
#include "CHyetoscopeDoc.h"
#include "ChartNavigation.h"
#include "RememberedSpans.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"

#include <gtest/gtest.h>

class ChartNavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.onOpenDocument(std::string(HY_SAMPLES_DIR) + "/long-2024-0.5mm.hyy"));
    N = doc.series().valueCount;
    ASSERT_GT(N, 5000);
    window.startHistory();
  }
  DisplaySeries& s() { return doc.series(); }
  BarSpan shown() { return {s().visibleCount, s().firstShownIndex}; }
  // A band drag of width bars starting offset bars into the window, applied
  // at the next paint.
  void band(double width, double offset) {
    window.setBand(width, offset);
    window.applyPendingBand();
  }

  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeDoc doc{state, messages};
  RememberedSpans windows;
  ChartNavigation window{doc, state, windows};
  int N = 0;
};

TEST_F(ChartNavigationTest, BandZoomSetsWindowHistoryRememberedAndBandZoomRecord) {
  band(100.7, 40.9);
  EXPECT_EQ(shown(), (BarSpan{100, 40}));
  EXPECT_EQ(state.firstShownIndexMirror, 40);
  EXPECT_EQ(window.pendingBandOffset(), 0.0);
  EXPECT_EQ(window.zoomBars(), 100.7);
  EXPECT_EQ(window.history().position(), 1);
  EXPECT_EQ(window.history().slot(1), (BarSpan{100, 40}));
  EXPECT_EQ(window.history().slot(0), (BarSpan{N, 0}));
  EXPECT_EQ(windows.remembered(IntervalMode::Hourly), (BarSpan{100, 40}));
  EXPECT_EQ(window.bandZoomRecord().window, (BarSpan{100, 40}));
  EXPECT_TRUE(doc.undoAvailable);
  EXPECT_FALSE(doc.redoAvailable);

  // A second band counts from the window shown.
  band(10.0, 5.5);
  EXPECT_EQ(shown(), (BarSpan{10, 45}));
}

TEST_F(ChartNavigationTest, BandOnTheLeftEdgeIsNotAppliedButItsWidthBecomesTheZoom) {
  window.setBand(300.0, 0.0);
  EXPECT_FALSE(window.applyPendingBand());
  EXPECT_EQ(shown(), (BarSpan{N, 0}));
  EXPECT_EQ(window.history().position(), 0);
  EXPECT_FALSE(doc.undoAvailable);
  // The width is the zoom the horizontal commands work from.
  window.enlargeHorizontally();
  EXPECT_EQ(shown(), (BarSpan{150, 0}));
}

// The history drops slot 0 from the eleventh zoom on, and Undo from the top
// position skips the window on screen. Undo walks back to the first zoom
// after 11 zooms, to the second after 12, and is disabled there.
TEST_F(ChartNavigationTest, UndoChainsAfterElevenAndTwelveZooms) {
  for (int zooms : {11, 12}) {
    SCOPED_TRACE(zooms);
    window.initialSize();
    window.startHistory();
    for (int k = 1; k <= zooms; ++k) band(1000.0 - k, 1.0);  // zoom k: n = 1000 - k, f = k
    EXPECT_EQ(window.history().position(), 11);
    EXPECT_EQ(shown(), (BarSpan{1000 - zooms, zooms}));

    window.undo();  // from 11: slot 9, the zoom before the last one
    EXPECT_EQ(shown(), (BarSpan{1000 - (zooms - 1), zooms - 1}));
    int undos = 1;
    while (doc.undoAvailable) {
      window.undo();
      ++undos;
    }
    EXPECT_EQ(undos, 10);
    const int oldest = zooms - 10;  // 1 after 11 zooms, 2 after 12
    EXPECT_EQ(shown(), (BarSpan{1000 - oldest, oldest}));
    EXPECT_EQ(window.history().position(), 0);
    EXPECT_EQ(window.history().redoCount(), 10);

    // Nothing before slot 0, even when asked.
    window.undo();
    EXPECT_EQ(shown(), (BarSpan{1000 - oldest, oldest}));

    // Redo walks forward to the last zoom and then stops.
    int redos = 0;
    while (doc.redoAvailable) {
      window.redo();
      ++redos;
    }
    EXPECT_EQ(redos, 10);
    EXPECT_EQ(shown(), (BarSpan{1000 - zooms, zooms}));
    EXPECT_TRUE(doc.undoAvailable);
  }
}

TEST_F(ChartNavigationTest, UndoAndRedoLeaveRememberedWindowsAlone) {
  band(500.0, 10.0);
  band(50.0, 10.0);
  window.undo();
  EXPECT_EQ(shown(), (BarSpan{500, 10}));
  EXPECT_EQ(windows.remembered(IntervalMode::Hourly), (BarSpan{50, 20}));
  window.undo();
  EXPECT_EQ(shown(), (BarSpan{N, 0}));
  EXPECT_FALSE(doc.undoAvailable);
  EXPECT_TRUE(doc.redoAvailable);
  window.redo();
  EXPECT_EQ(shown(), (BarSpan{500, 10}));
  EXPECT_EQ(windows.remembered(IntervalMode::Hourly), (BarSpan{50, 20}));
  // A new band zoom ends the redo chain.
  band(20.0, 1.0);
  EXPECT_FALSE(doc.redoAvailable);
  EXPECT_EQ(window.history().redoCount(), 0);
}

TEST_F(ChartNavigationTest, HorizontalZoomCommands) {
  // Before any band or initial size there is no zoom to double.
  window.shrinkHorizontally();
  EXPECT_EQ(shown(), (BarSpan{N, 0}));
  // Enlarging halves the window and starts the zoom from it.
  window.enlargeHorizontally();
  EXPECT_EQ(s().visibleCount, N / 2);
  EXPECT_EQ(window.zoomBars(), N / 2);
  window.shrinkHorizontally();  // 2 * (N / 2) is not below N - 0
  EXPECT_EQ(s().visibleCount, N / 2);
  window.enlargeHorizontally();
  window.shrinkHorizontally();
  EXPECT_EQ(s().visibleCount, N / 2);
  // Neither touches the history.
  EXPECT_EQ(window.history().position(), 0);
  EXPECT_FALSE(doc.undoAvailable);
}

// A zoom of one or two bars kept from another mode, or from before an Undo
// brought a wide window back, is halved below one bar by the next enlarge;
// the chart must still show a bar.
TEST_F(ChartNavigationTest, EnlargeWithALeftOverNarrowZoomKeepsABar) {
  band(1.5, 3.0);
  window.undo();
  ASSERT_EQ(s().visibleCount, N);
  window.enlargeHorizontally();
  EXPECT_EQ(s().visibleCount, 1);
  window.enlargeHorizontally();  // n < 2: stops
  EXPECT_EQ(s().visibleCount, 1);
}

// Bands dragged over the empty slots after the last value keep pushing f to
// the right; it stops at the last value, whatever the band says.
TEST_F(ChartNavigationTest, BandsPastTheEndKeepTheFirstShownIndexInTheSeries) {
  band(200.0, N - 10);
  EXPECT_EQ(s().firstShownIndex, N - 10);
  EXPECT_EQ(s().visibleCount, 200);
  for (int k = 0; k < 5; ++k) band(150.0, 120.0);
  EXPECT_EQ(s().firstShownIndex, N - 1);
  EXPECT_EQ(state.firstShownIndexMirror, N - 1);
  EXPECT_EQ(windows.remembered(IntervalMode::Hourly).firstShownIndex, N - 1);
}

TEST_F(ChartNavigationTest, InitialSizeClearsHistoryRememberedWindowAndVerticalMaximum) {
  band(100.0, 7.0);
  window.shrinkVertically();
  EXPECT_EQ(s().verticalMax, 150);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Hourly), 150);
  window.initialSize();
  EXPECT_EQ(shown(), (BarSpan{N, 0}));
  EXPECT_EQ(window.zoomBars(), N);
  EXPECT_EQ(s().verticalMax, 100);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Hourly), 100);
  EXPECT_EQ(windows.remembered(IntervalMode::Hourly).visibleCount, 0);
  EXPECT_EQ(window.history().position(), 0);
  EXPECT_FALSE(doc.undoAvailable);
  EXPECT_FALSE(doc.redoAvailable);
}

TEST_F(ChartNavigationTest, VerticalStepsStayWithinFiftyAndNineHundredFifty) {
  for (int k = 0; k < 30; ++k) window.shrinkVertically();
  EXPECT_EQ(s().verticalMax, 950);
  for (int k = 0; k < 30; ++k) window.enlargeVertically();
  EXPECT_EQ(s().verticalMax, 50);
  // A maximum set by the scale dialog can lie outside the steps' reach.
  window.setVerticalMax(1000);
  window.shrinkVertically();
  EXPECT_EQ(s().verticalMax, 1000);
  window.setVerticalMax(30);
  window.enlargeVertically();
  EXPECT_EQ(s().verticalMax, 30);
  // Each mode keeps its own maximum.
  EXPECT_EQ(doc.verticalMax(IntervalMode::Daily), 400);
  EXPECT_EQ(doc.verticalMax(IntervalMode::TenMinute), 50);
}

TEST_F(ChartNavigationTest, MoveCommandsStopAtEitherEnd) {
  band(100.0, 1.0);
  EXPECT_TRUE(window.moveLeft());
  EXPECT_FALSE(window.moveLeft());
  EXPECT_EQ(s().firstShownIndex, 0);
  s().firstShownIndex = N - 101;
  EXPECT_TRUE(window.moveRight());
  EXPECT_FALSE(window.moveRight());
  EXPECT_EQ(s().firstShownIndex, N - 100);
  EXPECT_EQ(state.firstShownIndexMirror, N - 100);
}

TEST_F(ChartNavigationTest, ScrollLinesPagesAndJumpsToTheEnds) {
  band(100.0, 250.0);
  ASSERT_EQ(shown(), (BarSpan{100, 250}));
  EXPECT_TRUE(window.scroll(ScrollCode::PageLeft, 0, 0, 0, 0));
  EXPECT_EQ(s().firstShownIndex, 150);
  EXPECT_TRUE(window.scroll(ScrollCode::PageLeft, 0, 0, 0, 0));
  EXPECT_EQ(s().firstShownIndex, 50);
  // Near the start the page jumps to the start; the cursors stay put.
  EXPECT_FALSE(window.scroll(ScrollCode::PageLeft, 0, 0, 0, 0));
  EXPECT_EQ(s().firstShownIndex, 0);
  EXPECT_FALSE(window.scroll(ScrollCode::LineLeft, 0, 0, 0, 0));

  s().firstShownIndex = N - 250;
  EXPECT_TRUE(window.scroll(ScrollCode::PageRight, 0, 0, 0, 0));
  EXPECT_EQ(s().firstShownIndex, N - 150);
  // f + 2n = N + 50 is not below N - 1: the jump to the end.
  EXPECT_FALSE(window.scroll(ScrollCode::PageRight, 0, 0, 0, 0));
  EXPECT_EQ(s().firstShownIndex, N - 100);
  EXPECT_EQ(state.firstShownIndexMirror, N - 100);
  EXPECT_FALSE(window.scroll(ScrollCode::LineRight, 0, 0, 0, 0));
  EXPECT_FALSE(window.scroll(ScrollCode::PageRight, 0, 0, 0, 0));
  EXPECT_EQ(s().firstShownIndex, N - 100);
}

TEST_F(ChartNavigationTest, ThumbFollowsTheBarAndNeverLeavesTheSeries) {
  window.setBand(N / 10.0, 1.0);
  window.applyPendingBand();
  const int n = s().visibleCount;
  const int wp = 1000;
  ScrollBarState bar = window.scrollBar(wp);
  EXPECT_TRUE(bar.enabled);
  EXPECT_EQ(bar.page, static_cast<int>(1000.0 * n / N));
  EXPECT_EQ(bar.position, static_cast<int>(1000.0 * 1 / N));

  // Pulled right by 100 of 1000 pixels: a tenth of the series on.
  EXPECT_TRUE(window.scroll(ScrollCode::ThumbTrack, 100, 0, bar.page, wp));
  EXPECT_EQ(s().firstShownIndex, 1 + N * 100 / wp);
  // Back to 0 is the start.
  EXPECT_FALSE(window.scroll(ScrollCode::ThumbTrack, 0, 100, bar.page, wp));
  EXPECT_EQ(s().firstShownIndex, 0);
  // Into the last page: the window's end meets the series' end.
  EXPECT_FALSE(window.scroll(ScrollCode::ThumbTrack, 950, 0, bar.page, wp));
  EXPECT_EQ(s().firstShownIndex, N - n);
  // A position past the range cannot push f beyond the last value.
  window.scroll(ScrollCode::ThumbTrack, 5000, 0, bar.page, wp);
  EXPECT_EQ(s().firstShownIndex, N - 1);
  // With the whole series shown the thumb does nothing.
  window.initialSize();
  EXPECT_FALSE(window.scroll(ScrollCode::ThumbTrack, 100, 0, 1000, wp));
  EXPECT_EQ(s().firstShownIndex, 0);
  EXPECT_EQ(window.scrollBar(wp), (ScrollBarState{wp, wp, 0, false}));
}

TEST_F(ChartNavigationTest, ZoomStateIsSavedAndRestoredWhole) {
  band(300.0, 20.0);
  band(30.0, 2.0);
  window.undo();
  const ChartZoomState saved = window.saveState();
  window.initialSize();
  band(5.0, 1.0);
  ASSERT_NE(window.saveState(), saved);
  window.restoreState(saved);
  EXPECT_EQ(window.saveState(), saved);
  EXPECT_EQ(shown(), (BarSpan{300, 20}));
  EXPECT_EQ(state.firstShownIndexMirror, 20);
  EXPECT_TRUE(doc.undoAvailable);
  EXPECT_TRUE(doc.redoAvailable);
  window.redo();
  EXPECT_EQ(shown(), (BarSpan{30, 22}));
}
