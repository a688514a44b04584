// The overlay curves as plain data: points at bar centres scaled to the
// right-hand axis, breaks at missing values, the hourly value at the hour's
// last slot, pixel columns shared by narrow bars, the axis rounding, the
// legend's corner, and a chart without the overlay left exactly as it was.
#include "ChartGeometry.h"
#include "ChartOverlayData.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceRecorder.h"
#include "OverlayGeometry.h"
#include "SampleSeries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int64_t kStart = 1714489200;  // 2024-05-01 00:00 +09:00
const double kNone = NAN;

ChartInput inputFor(const DisplaySeries& s, int right, int bottom, const ChartOverlayData* overlay) {
  ChartInput in;
  in.right = right;
  in.bottom = bottom;
  in.fontHeight = 13;
  in.series = &s;
  in.overlay = overlay;
  return in;
}

// y of v on an axis 0..max over a plot rows 0..bottom-1, two pixels (the
// line width at a 13-pixel font) inside its top and bottom rows.
int yOf(double v, double max, int bottom) { return bottom - 3 - static_cast<int>(std::lround((bottom - 5) * v / max)); }

}  // namespace

TEST(OverlayGeometry, PointsAtBarCentresScaledToTheRightAxisAndBrokenWhereMissing) {
  std::vector<double> rain(10, 1.0);
  auto s = makeSeries(IntervalMode::TenMinute, kStart, rain.data(), 10, 100);
  ChartOverlayData data;
  data.slotStart = kStart;
  data.curves.push_back({"a", {0, 5, 12, kNone, 30, 40, 41, 38, 20, 10}});
  // 204 pixels wide: a pitch of 20, bar i centred at 12 + 20 i.
  const ChartScene scene = ChartGeometry::compute(inputFor(*s, 204, 201, &data));
  const OverlayScene& o = scene.overlay;
  // 41 mm on at most five steps (201 / 26 rows) rounds to 50 on steps of 10.
  EXPECT_EQ(o.axisMax, 50.0);
  EXPECT_EQ(o.axisStep, 10.0);
  ASSERT_EQ(o.polylines.size(), 2u);
  std::vector<ChartPointI> before, after;
  for (int i : {0, 1, 2}) before.push_back({12 + 20 * i, yOf(data.curves[0].mm[i], 50, 201)});
  for (int i = 4; i < 10; ++i) after.push_back({12 + 20 * i, yOf(data.curves[0].mm[i], 50, 201)});
  EXPECT_EQ(o.polylines[0].points, before);
  EXPECT_EQ(o.polylines[1].points, after);
  EXPECT_EQ(o.lineWidth, 2);
  EXPECT_EQ(o.polylines[0].points[0].y, 198);  // 0 mm a line width above the bottom row
  EXPECT_EQ(o.polylines[1].points[2].y, yOf(41, 50, 201));

  // Ticks at 0, 10 ... 50 on the right edge, the top one with the unit.
  ASSERT_EQ(o.axisTicks.size(), 6u);
  EXPECT_EQ(o.axisTicks.front(), (ChartLineI{203 - 6, 198, 203, 198}));
  EXPECT_EQ(o.axisTicks.back(), (ChartLineI{203 - 6, 2, 203, 2}));
  EXPECT_EQ(o.axisLabels.front().text, "0");
  EXPECT_EQ(o.axisLabels.back().text, "50mm");
  for (const ChartLabel& l : o.axisLabels) {
    EXPECT_GE(l.y, 1) << l.text;  // inside the plot, not above or below it
    EXPECT_LE(l.y + 13, 200) << l.text;
    EXPECT_LE(l.x + DrawingSurface::estimatedTextWidth(l.text, 13), 203 - 6) << l.text;
  }

  // A value alone between two gaps is a one-pixel stroke, not nothing.
  data.curves[0].mm = {kNone, 20, kNone};
  const OverlayScene lone = ChartGeometry::compute(inputFor(*s, 204, 201, &data)).overlay;
  ASSERT_EQ(lone.polylines.size(), 1u);
  EXPECT_EQ(lone.polylines[0].points, (std::vector<ChartPointI>{{32, yOf(20, 20, 201)}, {33, yOf(20, 20, 201)}}));
}

TEST(OverlayGeometry, HourlyBarsTakeTheHoursLastSlotAndNarrowBarsShareColumns) {
  // Slots start an hour before the hourly series: hour j ends at slot 6 j + 11.
  ChartOverlayData data;
  data.slotStart = kStart - 3600;
  std::vector<double> slots(35, 0.0);
  for (size_t k = 0; k < slots.size(); ++k) slots[k] = static_cast<double>(k);
  data.curves.push_back({"a", slots});
  std::vector<double> rain(5, 1.0);
  auto hourly = makeSeries(IntervalMode::Hourly, kStart, rain.data(), 5, 100);
  const OverlayScene o = ChartGeometry::compute(inputFor(*hourly, 104, 201, &data)).overlay;
  // Hours 0 ... 3 end at slots 11, 17, 23, 29; hour 4 would need slot 35.
  ASSERT_EQ(o.polylines.size(), 1u);
  ASSERT_EQ(o.polylines[0].points.size(), 4u);
  EXPECT_EQ(o.axisMax, 30.0);
  for (int j = 0; j < 4; ++j)
    EXPECT_EQ(o.polylines[0].points[static_cast<size_t>(j)], (ChartPointI{12 + 20 * j, yOf(11 + 6 * j, 30, 201)}));

  // 400 ten-minute bars on 100 columns: four to a column. The column with
  // the spike gets its low and its high in their order, so the peak shows.
  std::vector<double> many(400, 2.0);
  many[201] = 9.0;  // in column 2 + 0.125 + 201 / 4 -> 52
  many[202] = 1.0;
  ChartOverlayData dense;
  dense.slotStart = kStart;
  dense.curves.push_back({"a", many});
  std::vector<double> rain400(400, 0.0);
  auto tenMinute = makeSeries(IntervalMode::TenMinute, kStart, rain400.data(), 400, 100);
  const OverlayScene d = ChartGeometry::compute(inputFor(*tenMinute, 104, 201, &dense)).overlay;
  ASSERT_EQ(d.polylines.size(), 1u);
  const std::vector<ChartPointI>& pts = d.polylines[0].points;
  EXPECT_EQ(pts.size(), 100u + 1u);  // one point per column, two in the spike's
  std::vector<ChartPointI> spike;
  for (const ChartPointI& q : pts)
    if (q.x == 52) spike.push_back(q);
  EXPECT_EQ(spike, (std::vector<ChartPointI>{{52, yOf(9, 10, 201)}, {52, yOf(1, 10, 201)}}));
  for (size_t k = 1; k < pts.size(); ++k) EXPECT_GE(pts[k].x, pts[k - 1].x);
}

TEST(OverlayGeometry, AxisMaximumIsTheLowestRoundNumberOfFewSteps) {
  const struct {
    double max;
    int intervals;
    double axis, step;
  } cases[] = {{0.0, 5, 10, 2},      {10.0, 5, 10, 2},   {30.0, 5, 30, 10},  {41.0, 5, 50, 10},
               {101.0, 5, 125, 25},  {237.0, 5, 250, 50}, {237.0, 2, 250, 250}, {1234.0, 5, 1250, 250},
               {99.99, 1, 100, 100}, {5.0, 3, 10, 5}};
  for (const auto& c : cases) {
    double step = 0.0;
    EXPECT_EQ(OverlayGeometry::axisMaximum(c.max, c.intervals, &step), c.axis) << c.max << " in " << c.intervals;
    EXPECT_EQ(step, c.step) << c.max << " in " << c.intervals;
  }
}

TEST(OverlayGeometry, LegendTakesTheTopCornerTheDataLeaveFreer) {
  ChartOverlayData data;
  data.slotStart = kStart;
  data.curves.push_back({"continuous", std::vector<double>(40, 1.0)});
  data.curves.push_back({"effective", std::vector<double>(40, 1.0)});
  std::vector<double> rain(40, 0.0);
  for (int i = 0; i < 20; ++i) rain[static_cast<size_t>(i)] = 95.0;  // tall bars on the left half
  auto s = makeSeries(IntervalMode::TenMinute, kStart, rain.data(), 40, 100);
  const ChartInput in = inputFor(*s, 804, 301, &data);
  const OverlayScene right = ChartGeometry::compute(in).overlay;
  ASSERT_EQ(right.legend.size(), 2u);
  EXPECT_GT(right.legendBox.left, 402);
  // Left of the axis labels, every row inside the box.
  EXPECT_LT(right.legendBox.right, right.axisLabels.back().x);
  for (const OverlayLegendEntry& e : right.legend) {
    EXPECT_GT(e.sample.x1, right.legendBox.left);
    EXPECT_LE(e.label.y + 13, right.legendBox.bottom);
  }
  EXPECT_EQ(right.legend[1].label.text, "effective");

  std::reverse(rain.begin(), rain.end());
  auto mirrored = makeSeries(IntervalMode::TenMinute, kStart, rain.data(), 40, 100);
  const OverlayScene left = ChartGeometry::compute(inputFor(*mirrored, 804, 301, &data)).overlay;
  EXPECT_LT(left.legendBox.left, 20);

  // A chart too small for the box keeps its curves but has no legend.
  const OverlayScene small = ChartGeometry::compute(inputFor(*s, 120, 60, &data)).overlay;
  EXPECT_FALSE(small.polylines.empty());
  EXPECT_TRUE(small.legend.empty());
}

// With the overlay asked for, everything else in the scene stays as it is
// without it; without it (or in the daily and monthly modes) the scene and
// every drawing call are the plain chart's.
TEST(OverlayGeometry, TheChartWithoutTheOverlayIsUnchanged) {
  for (IntervalMode mode : {IntervalMode::TenMinute, IntervalMode::Hourly, IntervalMode::Daily, IntervalMode::Monthly}) {
    SCOPED_TRACE(static_cast<int>(mode));
    auto s = loadSampleSeries(HY_SAMPLES_DIR "/short-2026-06-0.5mm.hyy", mode);
    ASSERT_NE(s, nullptr);
    ChartOverlayData data;
    data.slotStart = s->seriesStart - 86400;
    data.curves.push_back({"a", std::vector<double>(8000, 12.5)});
    ChartInput in = inputFor(*s, 1000, 400, nullptr);
    in.cursors = true;
    in.cursorAX = 300;
    in.cursorBX = 500;
    const ChartScene off = ChartGeometry::compute(in);
    EXPECT_TRUE(off.overlay.empty());
    in.overlay = &data;
    ChartScene on = ChartGeometry::compute(in);
    const bool drawn = mode == IntervalMode::TenMinute || mode == IntervalMode::Hourly;
    EXPECT_EQ(on.overlay.empty(), !drawn);

    DrawingSurfaceRecorder plain, over;
    ChartRenderer::draw(off, plain);
    ChartRenderer::draw(on, over);
    on.overlay = {};
    EXPECT_EQ(on, off);
    // The overlay's calls come after the labels and before the cursor lines.
    const auto& a = plain.calls();
    const auto& b = over.calls();
    ASSERT_GE(b.size(), a.size());
    const size_t added = b.size() - a.size();
    EXPECT_EQ(added > 0, drawn);
    for (size_t k = 0; k < a.size(); ++k) {
      const auto& c = b[k < a.size() - 2 ? k : k + added];
      EXPECT_TRUE(c.kind == a[k].kind && c.x1 == a[k].x1 && c.y1 == a[k].y1 && c.x2 == a[k].x2 && c.y2 == a[k].y2 &&
                  c.pen == a[k].pen && c.text == a[k].text)
          << "call " << k;
    }
  }
}
