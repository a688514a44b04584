// Cursors A and B: snapping on release, the arrow steps, and the statistics
// row they fill, with the date form of each interval mode.
#include "CHyetoscopeDoc.h"
#include "ChartGeometry.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceRecorder.h"
#include "CursorState.h"
#include "CursorStatistics.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"
#include "TestClock.h"
#include "ViewLayout.h"

#include <gtest/gtest.h>

namespace {
std::string cell(const CursorStatistics::Row& row, int column) { return row[static_cast<size_t>(column)].value_or("(kept)"); }
}  // namespace

class CursorTest : public ::testing::Test {
 protected:
  // A series of count values 0.5, 1.0, 1.5, ... in mode, from start.
  void fill(IntervalMode mode, int32_t start, int count) {
    DisplaySeries& s = doc.series();
    s.intervalMode = mode;
    s.seriesStart = start;
    s.valueCount = count;
    for (int i = 0; i < count; ++i) s.values[i] = 0.5 * (i + 1);
    s.visibleCount = count;
    s.firstShownIndex = 0;
    s.verticalMax = 100;
  }
  // The chart's bar pitch and last tick for the window shown, as the chart
  // control's last drawing leaves them.
  ChartScene drawn() {
    ChartInput in;
    in.right = layout.chartWidget.width();
    in.bottom = layout.chartWidget.height();
    in.series = &doc.series();
    return ChartGeometry::compute(in);
  }
  // Presses c's handle where the other handle does not cover it (the one
  // on top is hit first), drags it to toX and lets go there.
  void drag(Cursor c, int toX) {
    cursors.recompute(layout, doc.series());
    const ViewRect h = cursors.handle(c);
    const ViewRect other = cursors.handle(c == Cursor::A ? Cursor::B : Cursor::A);
    const bool onTop = cursors.bOnTop() == (c == Cursor::B);
    int px = h.left;
    while (!onTop && px < h.right && px >= other.left && px < other.right) ++px;
    ASSERT_LT(px, h.right);
    ASSERT_TRUE(cursors.press(px, h.top + 5, layout));
    ASSERT_EQ(cursors.dragMode(), c == Cursor::A ? CursorState::kDragA : CursorState::kDragB);
    cursors.move(toX, layout);
    const ChartScene scene = drawn();
    cursors.release(toX, layout, scene.barPitch, scene.lastTick, doc);
  }
  CursorStatistics::Row stats() { return CursorStatistics::compute(doc.series()); }

  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeDoc doc{state, messages};
  ViewLayout layout = computeViewLayout(800, 600);  // plot 50 ... 780
  CursorState cursors;
};

TEST_F(CursorTest, ReleaseSnapsToBarsAndToBothEdges) {
  fill(IntervalMode::Hourly, jst(2025, 9, 1, 0, 0), 200);
  doc.series().firstShownIndex = 10;
  doc.series().visibleCount = 73;
  const double p = drawn().barPitch;
  ASSERT_NEAR(p, (780 - 50 - 3) / 73.0, 1e-9);

  drag(Cursor::A, 20);  // left of the plot: the first shown bar
  EXPECT_EQ(doc.series().cursorA, 11);
  EXPECT_EQ(cursors.x(Cursor::A), static_cast<int>(50 + 2 + p / 2));
  EXPECT_DOUBLE_EQ(doc.valueUnderA, 5.5);

  drag(Cursor::B, 779);  // x + 1 >= right: the last slot of the window
  EXPECT_EQ(doc.series().cursorB, 83);
  EXPECT_EQ(cursors.x(Cursor::B), static_cast<int>(780 - p / 2));
  EXPECT_TRUE(cursors.bOnTop());

  drag(Cursor::A, static_cast<int>(50 + 3.5 * p));  // inside the fourth bar
  EXPECT_EQ(doc.series().cursorA, 14);
  EXPECT_FALSE(cursors.bOnTop());
  EXPECT_EQ(doc.series().cursorAEnd, doc.series().seriesStart + 14 * 3600);

  // Handles stay inside the strip at both ends.
  cursors.recompute(layout, doc.series());
  EXPECT_GE(cursors.handle(Cursor::A).left, 50);
  drag(Cursor::A, 900);
  EXPECT_EQ(cursors.handle(Cursor::A).right, 780);
}

TEST_F(CursorTest, AWindowPastTheLastValueGivesNoValueAndNoFigures) {
  fill(IntervalMode::Hourly, jst(2025, 9, 1, 0, 0), 100);
  doc.series().firstShownIndex = 60;
  doc.series().visibleCount = 80;  // slots 100 ... 139 are empty
  drag(Cursor::A, 20);
  ASSERT_EQ(doc.series().cursorA, 61);
  // Over the empty slots there is no bar: the first shown one is taken.
  drag(Cursor::B, 700);
  EXPECT_EQ(doc.series().cursorB, 61);
  // At the right edge: slot 140, past the 100 values.
  drag(Cursor::B, 780);
  EXPECT_EQ(doc.series().cursorB, 140);
  EXPECT_EQ(doc.valueUnderB, 0.0);
  const CursorStatistics::Row row = stats();
  EXPECT_EQ(cell(row, 1), " 30.5");
  EXPECT_EQ(cell(row, 2), "-----");
  EXPECT_EQ(cell(row, 3), "-----");
  EXPECT_EQ(cell(row, 4), "-----");
  EXPECT_EQ(cell(row, 5), "-----");
}

TEST_F(CursorTest, StatisticsBetweenTheCursors) {
  fill(IntervalMode::Hourly, jst(2025, 9, 1, 0, 0), 48);
  doc.series().values[9] = 12.0;
  CursorState::place(Cursor::A, 8, doc);
  CursorState::place(Cursor::B, 12, doc);
  CursorStatistics::Row row = stats();
  EXPECT_EQ(cell(row, 0), "(kept)");
  EXPECT_EQ(cell(row, 1), "  4.0");
  EXPECT_EQ(cell(row, 2), "  6.0");
  EXPECT_EQ(cell(row, 3), " 12.0");
  // 4.0 + 4.5 + 12.0 + 5.5 + 6.0 over five bars.
  EXPECT_EQ(cell(row, 5), " 32.0");
  EXPECT_EQ(cell(row, 4), "  6.4");

  // B left of A: the same figures.
  CursorState::place(Cursor::A, 12, doc);
  CursorState::place(Cursor::B, 8, doc);
  CursorStatistics::Row mirrored = stats();
  for (int c : {3, 4, 5}) EXPECT_EQ(cell(mirrored, c), cell(row, c));

  // A = B: Max, Avrg and the sum are the value under both.
  CursorState::place(Cursor::B, 12, doc);
  row = stats();
  EXPECT_EQ(cell(row, 3), "  6.0");
  EXPECT_EQ(cell(row, 4), "  6.0");
  EXPECT_EQ(cell(row, 5), "  6.0");

  // Only A placed: B, Max, Avrg and DateB are placeholders, the sum keeps
  // what it showed.
  CursorState::place(Cursor::B, 0, doc);
  row = stats();
  EXPECT_EQ(cell(row, 1), "  6.0");
  EXPECT_EQ(cell(row, 2), "-----");
  EXPECT_EQ(cell(row, 3), "-----");
  EXPECT_EQ(cell(row, 4), "-----");
  EXPECT_EQ(cell(row, 5), "(kept)");
  EXPECT_EQ(cell(row, 6), "2025/09/01 11-12");
  EXPECT_EQ(cell(row, 7), "-----");
}

TEST_F(CursorTest, StatisticsOverMissingBarsTakeTheKnownOnesAndMarkThem) {
  // 0.5, 1.0, ... per hour; bars 9 and 10 (1-based) have missing slots and
  // hold 0 as an archive recording leaves them.
  fill(IntervalMode::Hourly, jst(2025, 9, 1, 0, 0), 48);
  DisplaySeries& s = doc.series();
  s.values[8] = s.values[9] = 0.0;
  s.missingSlots[8] = 6;
  s.missingSlots[9] = 1;
  CursorState::place(Cursor::A, 8, doc);
  CursorState::place(Cursor::B, 12, doc);
  CursorStatistics::Row row = stats();
  EXPECT_EQ(cell(row, 1), "  4.0");
  EXPECT_EQ(cell(row, 2), "  6.0");
  // 4.0 + 5.5 + 6.0 over the three known bars, marked.
  EXPECT_EQ(cell(row, 3), "  6.0*");
  EXPECT_EQ(cell(row, 4), "  5.2*");
  EXPECT_EQ(cell(row, 5), " 15.5*");
  // A cursor on a missing bar shows "-" in the number's place.
  CursorState::place(Cursor::A, 9, doc);
  CursorState::place(Cursor::B, 10, doc);
  row = stats();
  EXPECT_EQ(cell(row, 1), "    -");
  EXPECT_EQ(cell(row, 2), "    -");
  for (int c : {3, 4, 5}) EXPECT_EQ(cell(row, c), "    -") << c;
  EXPECT_EQ(cell(row, 6), "2025/09/01 08-09");
  // Missing bars outside A～B change nothing there.
  CursorState::place(Cursor::A, 11, doc);
  CursorState::place(Cursor::B, 12, doc);
  row = stats();
  EXPECT_EQ(cell(row, 3), "  6.0");
  EXPECT_EQ(cell(row, 4), "  5.8");
  EXPECT_EQ(cell(row, 5), " 11.5");
}

TEST_F(CursorTest, DateFormsOfEachMode) {
  fill(IntervalMode::Hourly, jst(2025, 9, 1, 0, 0), 48);
  CursorState::place(Cursor::A, 1, doc);
  CursorState::place(Cursor::B, 24, doc);
  EXPECT_EQ(cell(stats(), 6), "2025/09/01 00-01");
  EXPECT_EQ(cell(stats(), 7), "2025/09/01 23-00");

  fill(IntervalMode::Daily, jst(2025, 12, 30, 0, 0), 10);
  CursorState::place(Cursor::A, 1, doc);
  CursorState::place(Cursor::B, 3, doc);
  EXPECT_EQ(cell(stats(), 6), "2025/12/30");
  EXPECT_EQ(cell(stats(), 7), "2026/01/01");

  // Ten-minute end times are taken down to the ten minutes.
  fill(IntervalMode::TenMinute, jst(2025, 9, 1, 23, 40, 30), 10);
  CursorState::place(Cursor::A, 1, doc);
  CursorState::place(Cursor::B, 2, doc);
  EXPECT_EQ(cell(stats(), 6), "2025/09/01 23:40-23:50");
  EXPECT_EQ(cell(stats(), 7), "2025/09/01 23:50-00:00");

  // Monthly from December: the 15th bar is February two years on, and the
  // count goes on past the third year.
  fill(IntervalMode::Monthly, jst(2024, 12, 1, 0, 0), 40);
  CursorState::place(Cursor::A, 15, doc);
  CursorState::place(Cursor::B, 38, doc);
  EXPECT_EQ(cell(stats(), 6), "2026/2");
  EXPECT_EQ(cell(stats(), 7), "2028/1");
}

TEST_F(CursorTest, ArrowButtonsStepBothCursorsWithinTheSeries) {
  fill(IntervalMode::Hourly, jst(2025, 9, 1, 0, 0), 10);
  const ViewRect left = layout.leftArrow;
  const ViewRect right = layout.rightArrow;
  // An unplaced B is stepped along with A and lands on the first bar.
  CursorState::place(Cursor::A, 5, doc);
  EXPECT_FALSE(cursors.leftActive(doc.series()));
  EXPECT_TRUE(cursors.rightActive(doc.series()));
  cursors.arrowPress(right.left + 2, right.top + 2, layout, doc.series());
  EXPECT_EQ(cursors.pressedButton(), 2);
  EXPECT_TRUE(cursors.arrowRelease(right.left + 2, right.top + 2, layout, doc));
  EXPECT_EQ(doc.series().cursorA, 6);
  EXPECT_EQ(doc.series().cursorB, 1);
  EXPECT_DOUBLE_EQ(doc.valueUnderB, 0.5);
  EXPECT_EQ(cell(stats(), 5), " 10.5");

  // Pressed, dragged off the button and released there: nothing moves.
  cursors.arrowPress(right.left + 2, right.top + 2, layout, doc.series());
  cursors.arrowMove(400, 300, layout, doc.series());
  EXPECT_EQ(cursors.pressedButton(), 0);
  EXPECT_FALSE(cursors.arrowRelease(400, 300, layout, doc));
  EXPECT_EQ(doc.series().cursorA, 6);

  // The right button stops once a cursor is on the last value.
  CursorState::place(Cursor::A, 10, doc);
  EXPECT_FALSE(cursors.rightActive(doc.series()));
  cursors.arrowPress(right.left + 2, right.top + 2, layout, doc.series());
  EXPECT_EQ(cursors.pressedButton(), 0);
  EXPECT_FALSE(cursors.arrowRelease(right.left + 2, right.top + 2, layout, doc));
  // The left one stops at the first bar.
  CursorState::place(Cursor::B, 2, doc);
  cursors.arrowPress(left.left + 2, left.top + 2, layout, doc.series());
  EXPECT_TRUE(cursors.arrowRelease(left.left + 2, left.top + 2, layout, doc));
  EXPECT_EQ(doc.series().cursorA, 9);
  EXPECT_EQ(doc.series().cursorB, 1);
  EXPECT_FALSE(cursors.leftActive(doc.series()));
}

TEST_F(CursorTest, StripShowsButtonsPressedAsHeldAndTheHandleOnTopLast) {
  fill(IntervalMode::Hourly, jst(2025, 9, 1, 0, 0), 10);
  CursorState::place(Cursor::A, 3, doc);
  CursorState::place(Cursor::B, 7, doc);
  cursors.recompute(layout, doc.series());
  auto images = [&] {
    std::vector<int> ids;
    for (const StripImage& image : cursors.strip(layout).images) ids.push_back(image.resourceId);
    return ids;
  };
  const CursorStripScene idle = cursors.strip(layout);
  const ViewRect& box = layout.cursorStrip;
  EXPECT_EQ(idle.frame, (ChartRectI{box.left, box.top, box.right, box.bottom}));
  ASSERT_EQ(idle.images.size(), 4u);
  EXPECT_EQ(idle.images[0], (StripImage{layout.leftArrow.left, layout.leftArrow.top, 132}));
  EXPECT_EQ(idle.images[1], (StripImage{layout.rightArrow.left, layout.rightArrow.top, 130}));
  const bool bOnTop = cursors.bOnTop();
  const ViewRect top = cursors.handle(bOnTop ? Cursor::B : Cursor::A);
  EXPECT_EQ(idle.images[3], (StripImage{top.left, top.top, bOnTop ? 131 : 133}));
  EXPECT_TRUE(cursors.strip(layout, false).images.empty());

  // Held: the right button drawn pressed until released.
  cursors.arrowPress(layout.rightArrow.left + 2, layout.rightArrow.top + 2, layout, doc.series());
  EXPECT_EQ(images()[1], 138);
  EXPECT_EQ(images()[0], 132);
  cursors.arrowRelease(layout.rightArrow.left + 2, layout.rightArrow.top + 2, layout, doc);
  EXPECT_EQ(images()[1], 130);
  cursors.arrowPress(layout.leftArrow.left + 2, layout.leftArrow.top + 2, layout, doc.series());
  EXPECT_EQ(images()[0], 137);

  // The renderer draws the box, then the images in this order.
  DrawingSurfaceRecorder surface;
  ChartRenderer::draw(cursors.strip(layout), surface);
  ASSERT_EQ(surface.calls().size(), 5u);
  EXPECT_EQ(surface.calls()[0].kind, DrawingSurfaceRecorder::Kind::Rectangle);
  EXPECT_EQ(surface.calls()[0].brush, (ChartColor{255, 255, 255}));
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(surface.calls()[k + 1].kind, DrawingSurfaceRecorder::Kind::Image);
    EXPECT_EQ(surface.calls()[k + 1].x2, cursors.strip(layout).images[k].resourceId);
  }
}

TEST_F(CursorTest, PositionsFollowTheWindow) {
  fill(IntervalMode::Hourly, jst(2025, 9, 1, 0, 0), 100);
  doc.series().visibleCount = 10;
  doc.series().firstShownIndex = 20;
  CursorState::place(Cursor::A, 25, doc);
  cursors.recompute(layout, doc.series());
  const double pitch = (780 - 50 - 3) / 10.0;
  EXPECT_EQ(cursors.x(Cursor::A), 50 + static_cast<int>(pitch * 5) - static_cast<int>(pitch / 2) + 2);
  // An unplaced cursor lies left of the plot; its handle at the strip's end.
  EXPECT_LT(cursors.x(Cursor::B), 50);
  EXPECT_EQ(cursors.handle(Cursor::B).left, 50);
  // Stepping the window by one moves the drawn cursor by one pitch.
  doc.series().firstShownIndex = 21;
  const int before = cursors.x(Cursor::A);
  cursors.recompute(layout, doc.series());
  EXPECT_NEAR(cursors.x(Cursor::A), before - pitch, 1.0);
}
