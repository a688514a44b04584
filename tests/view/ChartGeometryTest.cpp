// What the chart draws, checked as plain data: bars and their switch to
// one-pixel lines, clipping, time labels and their positions per mode, the
// millimetre axis, the last tick and the cursor lines.
#include "ChartGeometry.h"
#include "LocalTime.h"
#include "SampleSeries.h"
#include "../document/RecordingFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr int kH = 13;  // label font height

int64_t jst(int year, int month, int day, int hour) {
  struct tm f {};
  f.tm_year = year - 1900;
  f.tm_mon = month - 1;
  f.tm_mday = day;
  f.tm_hour = hour;
  return fromLocal(f);
}

ChartInput inputFor(const DisplaySeries& s, int left, int top, int right, int bottom) {
  ChartInput in;
  in.left = left;
  in.top = top;
  in.right = right;
  in.bottom = bottom;
  in.fontHeight = kH;
  in.series = &s;
  return in;
}

std::unique_ptr<DisplaySeries> series(IntervalMode mode, int64_t start, int count, double value,
                                      int vmax = 100) {
  std::vector<double> values(static_cast<size_t>(count), value);
  return makeSeries(mode, start, values.data(), count, vmax);
}

// Vertical grid lines (ticks) only, in order.
std::vector<ChartLineI> ticks(const ChartScene& scene) {
  std::vector<ChartLineI> out;
  for (const ChartLineI& l : scene.gridLines) {
    if (l.x1 == l.x2) out.push_back(l);
  }
  return out;
}

std::vector<ChartLabel> labelsAtRow(const ChartScene& scene, int y) {
  std::vector<ChartLabel> out;
  for (const ChartLabel& l : scene.labels) {
    if (l.y == y) out.push_back(l);
  }
  return out;
}

}  // namespace

TEST(ChartGeometry, NothingButTheFrameWithoutARecordingOrBars) {
  auto s = series(IntervalMode::Hourly, jst(2024, 5, 1, 0), 10, 5.0);
  ChartInput in = inputFor(*s, 0, 0, 604, 400);
  in.loaded = false;
  ChartScene unloaded = ChartGeometry::compute(in);
  EXPECT_EQ(unloaded.frame, (ChartRectI{0, 0, 604, 400}));
  EXPECT_TRUE(unloaded.barRects.empty() && unloaded.gridLines.empty() && unloaded.labels.empty());
  EXPECT_FALSE(unloaded.hasLastTick);

  in.loaded = true;
  in.cursors = true;
  EXPECT_TRUE(ChartGeometry::compute(in).hasLastTick);
  s->visibleCount = 0;
  ChartScene empty = ChartGeometry::compute(in);
  EXPECT_TRUE(empty.barRects.empty() && empty.gridLines.empty() && empty.labels.empty());
  EXPECT_FALSE(empty.hasLastTick);
  // The cursor lines still come, as the view's own XOR pair expects.
  EXPECT_EQ(empty.cursorLines.size(), 2u);
  in.loaded = false;
  EXPECT_TRUE(ChartGeometry::compute(in).cursorLines.empty());
}

TEST(ChartGeometry, HourlyTickRowsByBarCount) {
  // W = 604: the pitch is 600 / n. Up to 4 bars every bar is labelled, 5 to
  // 24 every third, 25 to 49 every sixth.
  struct Case {
    int n;
    int every;
  } cases[] = {{1, 1}, {4, 1}, {5, 3}, {24, 3}, {25, 6}, {49, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    auto s = series(IntervalMode::Hourly, jst(2024, 5, 1, 0), c.n, 1.0);
    ChartScene scene = ChartGeometry::compute(inputFor(*s, 0, 0, 604, 400));
    EXPECT_EQ(scene.labelSkip, c.every - 1);
    double p = 600.0 / c.n;
    std::vector<ChartLineI> t = ticks(scene);
    ASSERT_EQ(static_cast<int>(t.size()), (c.n - 1) / c.every + 1);
    for (size_t k = 0; k < t.size(); ++k) {
      int j = static_cast<int>(k) * c.every;
      EXPECT_EQ(t[k], (ChartLineI{static_cast<int>(2 + p / 2 + j * p), 0, static_cast<int>(2 + p / 2 + j * p), 400}));
    }
  }
}

TEST(ChartGeometry, HourlyLabelTextsAndPositions) {
  // 24 bars on W = 604: pitch 25, ticks at x = 14.5 + 25 j, every third bar
  // labelled. The first bar ends at 15:00 of May 1st, so the fourth label
  // is the hour ending at midnight.
  auto s = series(IntervalMode::Hourly, jst(2024, 5, 1, 14), 24, 1.0);
  ChartScene scene = ChartGeometry::compute(inputFor(*s, 0, 0, 604, 400));
  std::vector<ChartLabel> dates = labelsAtRow(scene, 400 + kH);
  std::vector<ChartLabel> hours = labelsAtRow(scene, 400 + 2 * kH);
  ASSERT_EQ(dates.size(), 8u);
  ASSERT_EQ(hours.size(), 8u);
  EXPECT_EQ(dates[0], (ChartLabel{-24, 413, "2024/05/01"}));  // trunc(14.5 - 39), toward zero
  EXPECT_EQ(hours[0], (ChartLabel{4, 426, "15'"}));
  EXPECT_EQ(dates[1], (ChartLabel{79, 413, "05/01"}));  // x = 89.5
  EXPECT_EQ(hours[1], (ChartLabel{84, 426, "18'"}));
  EXPECT_EQ(dates[3], (ChartLabel{229, 413, "05/01"}));  // x = 239.5, midnight
  EXPECT_EQ(hours[3], (ChartLabel{234, 426, "24'"}));
  EXPECT_EQ(dates[4], (ChartLabel{304, 413, "05/02"}));
  EXPECT_EQ(hours[4], (ChartLabel{309, 426, "03'"}));
}

TEST(ChartGeometry, HourlyFirstBarEndingAtMidnight) {
  auto s = series(IntervalMode::Hourly, jst(2024, 2, 29, 23), 3, 1.0);
  ChartScene scene = ChartGeometry::compute(inputFor(*s, 0, 0, 604, 400));
  ASSERT_GE(scene.labels.size(), 2u);
  EXPECT_EQ(scene.labels[0].text, "2024/02/29");
  EXPECT_EQ(scene.labels[1].text, "24'");
  EXPECT_EQ(scene.labels[2].text, "03/01");
  EXPECT_EQ(scene.labels[3].text, "01'");
}

TEST(ChartGeometry, LabelsFollowTheFirstShownIndex) {
  // Scrolled 30 bars in: the first label is the end of bar 30.
  auto s = series(IntervalMode::TenMinute, jst(2024, 5, 1, 0) + 200, 100, 1.0);
  s->firstShownIndex = 30;
  s->visibleCount = 20;
  ChartScene scene = ChartGeometry::compute(inputFor(*s, 0, 0, 604, 400));
  // 00:03:20 + 31 * 600 s = 05:13:20, shown rounded down.
  EXPECT_EQ(scene.labels[0], (ChartLabel{static_cast<int>(2 + 15 - 39), 413, "2024/05/01"}));
  EXPECT_EQ(scene.labels[1], (ChartLabel{2 + 15 - 10, 426, "05:10"}));
  // Pitch 30 > W / 30: every third bar, thirty minutes apart.
  EXPECT_EQ(scene.labels[2].text, "05/01");
  EXPECT_EQ(scene.labels[3], (ChartLabel{2 + 15 + 90 - 10, 426, "05:40"}));
}

TEST(ChartGeometry, DailyLabelsOneRow) {
  auto s = series(IntervalMode::Daily, jst(2024, 2, 27, 0), 4, 1.0, 400);
  ChartScene scene = ChartGeometry::compute(inputFor(*s, 0, 0, 604, 400));
  std::vector<ChartLabel> dates = labelsAtRow(scene, 413);
  ASSERT_EQ(dates.size(), 4u);  // pitch 150 > 0.1 W: every day
  EXPECT_EQ(dates[0], (ChartLabel{77 - 39, 413, "2024/02/27"}));
  EXPECT_EQ(dates[1].text, "02/28");
  EXPECT_EQ(dates[2], (ChartLabel{377 - 10, 413, "02/29"}));
  EXPECT_EQ(dates[3].text, "03/01");
  EXPECT_TRUE(labelsAtRow(scene, 426).empty());
}

TEST(ChartGeometry, MonthlyLabelsCarryTheYear) {
  // 40 months from November 2023, on W = 1604: pitch 40, centres 22 + 40 j,
  // wide enough for every label.
  auto s = series(IntervalMode::Monthly, jst(2023, 11, 1, 0), 40, 10.0, 800);
  ChartScene scene = ChartGeometry::compute(inputFor(*s, 0, 0, 1604, 300));
  std::vector<ChartLabel> row = labelsAtRow(scene, 313);
  ASSERT_EQ(row.size(), 40u);
  EXPECT_EQ(ticks(scene).size(), 40u);
  EXPECT_EQ(row[0], (ChartLabel{22 - 35, 313, "2023/11"}));
  EXPECT_EQ(row[1], (ChartLabel{62 - 5, 313, "12"}));
  EXPECT_EQ(row[2], (ChartLabel{102 - 20, 313, "2024/1"}));
  EXPECT_EQ(row[13], (ChartLabel{542 - 5, 313, "12"}));
  EXPECT_EQ(row[14], (ChartLabel{582 - 20, 313, "2025/1"}));
  EXPECT_EQ(row[26], (ChartLabel{1062 - 20, 313, "2026/1"}));
  EXPECT_EQ(row[38], (ChartLabel{1542 - 20, 313, "2027/1"}));
  EXPECT_EQ(row[39], (ChartLabel{1582 - 5, 313, "2"}));

  // Scrolled: the first shown bar carries its year whatever its month.
  s->firstShownIndex = 5;
  s->visibleCount = 10;
  ChartScene scrolled = ChartGeometry::compute(inputFor(*s, 0, 0, 404, 300));
  EXPECT_EQ(labelsAtRow(scrolled, 313)[0].text, "2024/4");
}

TEST(ChartGeometry, MillimetreAxisWithTenLines) {
  auto s = series(IntervalMode::Hourly, jst(2024, 5, 1, 0), 10, 1.0, 10);
  ChartScene scene = ChartGeometry::compute(inputFor(*s, 50, 20, 654, 220));
  std::vector<ChartLabel> axis;
  for (const ChartLabel& l : scene.labels) {
    if (l.x == 50 - 3 * kH) axis.push_back(l);
  }
  ASSERT_EQ(axis.size(), 11u);
  EXPECT_EQ(axis[0], (ChartLabel{11, 20 - kH, "(mm)"}));
  std::vector<ChartLineI> lines;
  for (const ChartLineI& l : scene.gridLines) {
    if (l.y1 == l.y2) lines.push_back(l);
  }
  ASSERT_EQ(lines.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    SCOPED_TRACE(k);
    char text[8];
    std::snprintf(text, sizeof text, "    %d", k);
    EXPECT_EQ(axis[static_cast<size_t>(k) + 1], (ChartLabel{11, 220 - 20 * k - kH, text}));
    EXPECT_EQ(lines[static_cast<size_t>(k)], (ChartLineI{50, 200 - 20 * k, 654, 200 - 20 * k}));
  }
  // The tenth line is the top edge; 10 itself is not labelled.
  EXPECT_EQ(lines[9].y1, 20);

  s->verticalMax = 100;
  ChartScene hundred = ChartGeometry::compute(inputFor(*s, 50, 20, 654, 220));
  std::set<std::string> texts;
  for (const ChartLabel& l : hundred.labels) texts.insert(l.text);
  EXPECT_TRUE(texts.count("   90") && texts.count("    0") && !texts.count("  100"));
}

TEST(ChartGeometry, WideBarsAreRectanglesAndNarrowOnesLines) {
  // 0.9 p >= 2 draws rectangles over 0.1 p .. 0.9 p of the slot.
  auto s = series(IntervalMode::Hourly, jst(2024, 5, 1, 0), 100, 50.0);
  ChartScene wide = ChartGeometry::compute(inputFor(*s, 0, 0, 227, 200));  // p = 2.23
  EXPECT_EQ(wide.barShape, BarShape::Rectangles);
  ASSERT_EQ(wide.barRects.size(), 100u);
  EXPECT_EQ(wide.barRects[0], (ChartRectI{2, 100, 4, 200}));  // 2.223 .. 4.007
  EXPECT_EQ(wide.barRects[1], (ChartRectI{4, 100, 6, 200}));  // 4.453 .. 6.237
  EXPECT_TRUE(wide.barLines.empty());

  ChartInput in = inputFor(*s, 0, 0, 226, 200);  // p = 2.22
  ChartScene narrow = ChartGeometry::compute(in);
  EXPECT_EQ(narrow.barShape, BarShape::Lines);
  EXPECT_TRUE(narrow.barRects.empty());
  in.lineEveryBar = true;
  ChartScene every = ChartGeometry::compute(in);
  ASSERT_EQ(every.barLines.size(), 100u);
  // From 0.45 p to 0.55 p of the slot: 2.999 .. 3.221 crosses a column.
  EXPECT_EQ(every.barLines[0], (ChartLineI{2, 100, 3, 200}));
  EXPECT_EQ(every.barLines[1], (ChartLineI{5, 100, 5, 200}));  // 5.219 .. 5.441
}

TEST(ChartGeometry, BarsClipAtTheTopAndZeroDrawsNothing) {
  double values[] = {0.0, 250.0, 100.0, 50.0, 0.0};
  auto s = makeSeries(IntervalMode::Daily, static_cast<int32_t>(jst(2024, 5, 1, 0)), values, 5, 100);
  ChartScene scene = ChartGeometry::compute(inputFor(*s, 10, 20, 514, 220));  // p = 100
  ASSERT_EQ(scene.barRects.size(), 3u);
  EXPECT_EQ(scene.barRects[0], (ChartRectI{10 + 2 + 100 + 10, 20, 10 + 2 + 100 + 90, 220}));
  EXPECT_EQ(scene.barRects[1].top, 20);
  EXPECT_EQ(scene.barRects[2], (ChartRectI{10 + 2 + 300 + 10, 120, 10 + 2 + 300 + 90, 220}));
}

namespace {

// Pixels of one-pixel bar lines, drawn the way the painter does (0 or 1 per
// pixel of a width x height grid): a vertical
// line from its top down to (not including) its end, a line slanted over two
// columns with its upper half in the first column and its lower half in the
// second.
std::vector<uint8_t> rasterise(const std::vector<ChartLineI>& lines, int width, int height) {
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  auto set = [&](int x, int y) { pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = 1; };
  for (const ChartLineI& l : lines) {
    if (l.x1 == l.x2) {
      for (int y = l.y1; y < l.y2; ++y) set(l.x1, y);
    } else {
      int mid = l.y1 + (l.y2 - l.y1) / 2;
      for (int y = l.y1; y < mid; ++y) set(l.x1, y);
      for (int y = mid; y < l.y2; ++y) set(l.x2, y);
    }
  }
  return pixels;
}

void expectSamePixelsBothWays(const DisplaySeries& s, int width) {
  SCOPED_TRACE(width);
  ChartInput in = inputFor(s, 7, 0, 7 + width, 200);
  ChartScene columns = ChartGeometry::compute(in);
  in.lineEveryBar = true;
  ChartScene every = ChartGeometry::compute(in);
  ASSERT_EQ(columns.barShape, BarShape::Lines);
  std::set<int> columnsUsed;
  int slanted = 0;
  for (const ChartLineI& l : columns.barLines) {
    if (l.x1 == l.x2) {
      EXPECT_TRUE(columnsUsed.insert(l.x1).second) << "two lines in column " << l.x1;
    } else {
      ++slanted;
    }
  }
  EXPECT_LE(columns.barLines.size(), static_cast<size_t>(width) + slanted);
  EXPECT_TRUE(rasterise(columns.barLines, width + 10, 200) == rasterise(every.barLines, width + 10, 200));
}

}  // namespace

TEST(ChartGeometry, BucketsMarkedMissingDrawNoBarAndChangeNothingElse) {
  // Every bar wet; buckets 1, 3 and the last marked missing (a count of
  // missing slots, as the archive's series carry it), bucket 2 explicitly
  // complete.
  auto s = series(IntervalMode::Hourly, jst(2024, 5, 1, 0), 100, 50.0);
  std::vector<int> missing(100, 0);
  missing[1] = 1;
  missing[3] = 6;
  missing[99] = 2;
  auto shapes = [&](int right, bool lineEveryBar) {
    ChartInput in = inputFor(*s, 0, 0, right, 200);
    in.lineEveryBar = lineEveryBar;
    ChartScene complete = ChartGeometry::compute(in);
    in.missingSlots = missing.data();
    ChartScene marked = ChartGeometry::compute(in);
    EXPECT_EQ(marked.gridLines, complete.gridLines);
    EXPECT_EQ(marked.labels, complete.labels);
    EXPECT_EQ(marked.barPitch, complete.barPitch);
    EXPECT_EQ(marked.lastTick, complete.lastTick);
    EXPECT_EQ(marked.barShape, complete.barShape);
    return std::make_pair(complete, marked);
  };
  // Rectangles: the bars of the marked buckets are gone, the rest as before.
  auto [wide, wideMarked] = shapes(227, false);
  ASSERT_EQ(wide.barRects.size(), 100u);
  std::vector<ChartRectI> expected;
  for (size_t i = 0; i < 100; ++i)
    if (i != 1 && i != 3 && i != 99) expected.push_back(wide.barRects[i]);
  EXPECT_EQ(wideMarked.barRects, expected);
  // One line per bar, likewise.
  auto [every, everyMarked] = shapes(226, true);
  ASSERT_EQ(every.barLines.size(), 100u);
  std::vector<ChartLineI> lines;
  for (size_t i = 0; i < 100; ++i)
    if (i != 1 && i != 3 && i != 99) lines.push_back(every.barLines[i]);
  EXPECT_EQ(everyMarked.barLines, lines);
  // Per column (many bars a column): a column whose every bar is missing
  // stays empty, and the pixels are those of one line per remaining bar.
  std::vector<double> values(2000, 10.0);
  auto dense = makeSeries(IntervalMode::TenMinute, 1714489200, values.data(), 2000, 50);
  std::vector<int> gap(2000, 0);
  for (int i = 500; i < 700; ++i) gap[static_cast<size_t>(i)] = 1;
  ChartInput in = inputFor(*dense, 0, 0, 404, 200);  // p = 0.2: five bars a column
  in.missingSlots = gap.data();
  ChartScene columns = ChartGeometry::compute(in);
  in.lineEveryBar = true;
  ChartScene perBar = ChartGeometry::compute(in);
  ASSERT_EQ(columns.barShape, BarShape::Lines);
  EXPECT_TRUE(rasterise(columns.barLines, 420, 200) == rasterise(perBar.barLines, 420, 200));
  for (const ChartLineI& l : columns.barLines) {
    EXPECT_FALSE(l.x1 > 2 + 500 * 0.2 + 1 && l.x2 < 2 + 700 * 0.2 - 1) << l.x1;
  }
  EXPECT_EQ(perBar.barLines.size(), 1800u);
}

TEST(ChartGeometry, PerColumnLinesMatchEveryBarOnDenseSeries) {
  // Every kind of pitch below the line threshold, with most values above
  // zero so that many bars straddle column boundaries, and a window that
  // starts inside the series.
  std::vector<double> values(20000);
  for (size_t i = 0; i < values.size(); ++i) values[i] = static_cast<double>((i * 7919) % 97) * 0.5;
  auto s = makeSeries(IntervalMode::TenMinute, 1714489200, values.data(), 20000, 50);
  for (int width : {150, 611, 1530, 4000, 19000}) expectSamePixelsBothWays(*s, width);
  s->firstShownIndex = 1234;
  s->visibleCount = 997;
  for (int width : {300, 1000, 2000, 2210}) expectSamePixelsBothWays(*s, width);
  s->verticalMax = 0;  // every value at full height
  expectSamePixelsBothWays(*s, 1000);
}

TEST(ChartGeometry, PerColumnLinesCoverTheSamePixelsAsEveryBar) {
  // The long sample's ten-minute series, whole: tens of thousands of bars on
  // a few hundred columns.
  auto s = loadSampleSeries(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy", IntervalMode::TenMinute);
  ASSERT_TRUE(s);
  for (int width : {300, 1530}) expectSamePixelsBothWays(*s, width);
}

TEST(ChartGeometry, LastTickIsOnePitchPastTheLastShownBar) {
  auto s = series(IntervalMode::Hourly, jst(2024, 5, 1, 0), 30, 1.0);
  s->firstShownIndex = 20;
  s->visibleCount = 20;  // runs past the end: only 10 bars exist
  ChartScene scene = ChartGeometry::compute(inputFor(*s, 0, 0, 604, 400));
  EXPECT_DOUBLE_EQ(scene.barPitch, 30.0);
  ASSERT_TRUE(scene.hasLastTick);
  EXPECT_DOUBLE_EQ(scene.lastTick, 2 + 15 + 10 * 30.0);
  EXPECT_EQ(scene.barRects.size(), 10u);
}

TEST(ChartGeometry, CursorLinesInChartCoordinatesClampedToTheFrame) {
  auto s = series(IntervalMode::Hourly, jst(2024, 5, 1, 0), 30, 1.0);
  ChartInput in = inputFor(*s, 0, 0, 604, 400);
  in.cursors = true;
  in.viewOffsetX = 50;
  in.cursorAX = 150;
  in.cursorBX = 900;
  ChartScene scene = ChartGeometry::compute(in);
  ASSERT_EQ(scene.cursorLines.size(), 2u);
  EXPECT_EQ(scene.cursorLines[0], (ChartLineI{100, 0, 100, 400}));
  EXPECT_EQ(scene.cursorLines[1], (ChartLineI{604, 0, 604, 400}));
  in.cursorAX = 0;
  EXPECT_EQ(ChartGeometry::compute(in).cursorLines[0].x1, 0);
}

TEST(ChartGeometry, LabelsPastJanuary2038ComeFromTheBuiltSeries) {
  // A recording from 2038-01-18 06:00, two and a half days: the daily series
  // starts at 2038-01-19 00:00 and its second bar ends past the 32-bit limit.
  auto rec = makeSteady(jst(2038, 1, 18, 6, 0), 360, 1);
  auto daily = seriesFromRecording(*rec, IntervalMode::Daily);
  ASSERT_TRUE(daily);
  ChartScene scene = ChartGeometry::compute(inputFor(*daily, 0, 0, 604, 400));
  std::vector<ChartLabel> dates = labelsAtRow(scene, 413);
  ASSERT_EQ(dates.size(), 2u);
  EXPECT_EQ(dates[0].text, "2038/01/19");
  EXPECT_EQ(dates[1].text, "01/20");

  auto hourly = seriesFromRecording(*rec, IntervalMode::Hourly);
  ASSERT_TRUE(hourly);
  hourly->firstShownIndex = 48;  // the bar of 2038-01-20 06:00
  hourly->visibleCount = 4;
  ChartScene h = ChartGeometry::compute(inputFor(*hourly, 0, 0, 604, 400));
  ASSERT_GE(h.labels.size(), 2u);
  EXPECT_EQ(h.labels[0].text, "2038/01/20");
  EXPECT_EQ(h.labels[1].text, "07'");
}

// The month sample in hourly mode on the chart of the default window: the
// tick table spaces the dates closer than the first one is wide. Labels that
// would run into the one before are left out, their ticks stay; on a chart
// wide enough every label is drawn as before.
TEST(ChartGeometry, TimeLabelsThatWouldOverlapAreLeftOut) {
  auto month = loadSampleSeries(HY_SAMPLES_DIR "/tenth-2025-09-0.1mm.hyy", IntervalMode::Hourly);
  ASSERT_TRUE(month);
  auto width = [](const std::string& text) { return 7 * static_cast<int>(text.size()); };
  for (IntervalMode mode : {IntervalMode::Hourly, IntervalMode::Daily, IntervalMode::TenMinute, IntervalMode::Monthly}) {
    month->intervalMode = mode;
    for (int w : {571, 16004}) {
      SCOPED_TRACE(w);
      ChartInput in = inputFor(*month, 0, 0, w, 300);
      in.textWidth = width;
      const ChartScene scene = ChartGeometry::compute(in);
      size_t timeLabels = 0;
      for (int y : {313, 326}) {
        const std::vector<ChartLabel> row = labelsAtRow(scene, y);
        timeLabels += row.size();
        for (size_t k = 1; k < row.size(); ++k)
          EXPECT_GE(row[k].x, row[k - 1].x + width(row[k - 1].text) + ChartGeometry::kLabelGap) << row[k].text;
        if (w == 16004 && mode != IntervalMode::Daily && mode != IntervalMode::Monthly) {
          EXPECT_EQ(row.size(), ticks(scene).size());
        }
      }
      if (w == 571 && mode == IntervalMode::Hourly) {
        // "2025/09/01" then "09/03" 36 pixels on: the second date is left out,
        // the hour under it is drawn.
        const std::vector<ChartLabel> dates = labelsAtRow(scene, 313);
        ASSERT_GE(dates.size(), 2u);
        EXPECT_EQ(dates[0].text, "2025/09/01");
        EXPECT_LT(dates.size(), ticks(scene).size());
        EXPECT_EQ(labelsAtRow(scene, 326).size(), ticks(scene).size());
      }
      EXPECT_GT(timeLabels, 0u);
    }
  }
}
