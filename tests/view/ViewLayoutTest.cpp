// The form's rectangles, the handle rule and the field texts.
#include "ViewLayout.h"
#include "ViewTexts.h"

#include <gtest/gtest.h>

TEST(ViewLayout, RectanglesOfAnOrdinaryClientArea) {
  const ViewLayout l = computeViewLayout(800, 500);
  EXPECT_EQ(l.plot, (ViewRect{50, 18, 780, 380}));
  EXPECT_EQ(l.chartWidget, (ViewRect{50, 18, 781, 380})) << "one pixel wider than the plot";
  EXPECT_EQ(l.scrollBar, (ViewRect{50, 4, 780, 18}));
  EXPECT_EQ(l.cursorStrip, (ViewRect{50, 381, 780, 392}));
  EXPECT_EQ(l.leftArrow, (ViewRect{35, 381, 50, 392}));
  EXPECT_EQ(l.rightArrow, (ViewRect{780, 381, 795, 392}));
  EXPECT_EQ(l.statsList, (ViewRect{50, 441, 780, 496}));
  EXPECT_EQ(l.intervalField, (ViewRect{50, 425, 170, 440}));
  EXPECT_EQ(l.sampleField, (ViewRect{170, 425, 290, 440}));
  EXPECT_EQ(l.unitField, (ViewRect{290, 425, 410, 440}));
  // The strip sits right under the plot and the arrows flank it.
  EXPECT_EQ(l.cursorStrip.top, l.plot.bottom + 1);
  EXPECT_EQ(l.leftArrow.right, l.cursorStrip.left);
  EXPECT_EQ(l.rightArrow.left, l.cursorStrip.right);
  EXPECT_EQ(l.leftArrow.width(), 15);
  EXPECT_EQ(l.leftArrow.height(), 11);
}

TEST(ViewLayout, TinyClientGetsANormalisedPlot) {
  const ViewLayout l = computeViewLayout(60, 100);  // Wc - 20 < 50 and Hc - 120 < 18
  EXPECT_EQ(l.plot, (ViewRect{40, -20, 50, 18}));
  EXPECT_GE(l.plot.width(), 0);
  EXPECT_GE(l.plot.height(), 0);
  EXPECT_EQ(l.chartWidget.width(), 11);
}

TEST(ViewLayout, HandlesStayInsideTheStrip) {
  EXPECT_EQ(cursorHandleRect(50, 50, 780, 381), (ViewRect{50, 381, 61, 392})) << "on the left edge";
  EXPECT_EQ(cursorHandleRect(52, 50, 780, 381).left, 50);
  EXPECT_EQ(cursorHandleRect(300, 50, 780, 381).left, 295) << "centred";
  EXPECT_EQ(cursorHandleRect(780, 50, 780, 381).left, 769) << "on the right edge";
  EXPECT_EQ(cursorHandleRect(775, 50, 780, 381).left, 769);
  EXPECT_EQ(cursorHandleRect(774, 50, 780, 381).left, 769);
  EXPECT_EQ(cursorHandleRect(773, 50, 780, 381).left, 768);
}

TEST(ViewTexts, HeaderTextsPerMode) {
  EXPECT_EQ(headerTexts(IntervalMode::Hourly, 0).interval, "<Interval> : 1時間");
  EXPECT_EQ(headerTexts(IntervalMode::Daily, 0).interval, "<Interval> : 1日");
  EXPECT_EQ(headerTexts(IntervalMode::TenMinute, 0).interval, "<Interval> : 10分");
  EXPECT_EQ(headerTexts(IntervalMode::Monthly, 0).interval, "<Interval> : 1ヵ月");
  const HeaderTexts t = headerTexts(IntervalMode::Hourly, 57601);
  EXPECT_EQ(t.sample, "<Sample> : 57601");
  EXPECT_EQ(t.unit, "<雨量単位> : mm");
}

TEST(ViewTexts, StatisticsColumnsAndTheirDefaultWidths) {
  const auto& c = statsColumns();
  EXPECT_STREQ(c[0].header, "Name");
  EXPECT_STREQ(c[5].header, "A～B");
  EXPECT_STREQ(c[7].header, "DateB");
  for (int i = 0; i < kStatsColumns; ++i) EXPECT_EQ(std::string(c[static_cast<size_t>(i)].profileName), "ClmL" + std::to_string(i + 1));
  const int expected[kStatsColumns] = {730 / 11 + 30, 730 / 11 + 10, 730 / 11 + 10, 730 / 14,
                                       730 / 14,      730 / 14 + 10, 730 / 11 + 60, 730 / 11 + 60};
  for (int i = 0; i < kStatsColumns; ++i) EXPECT_EQ(defaultStatsColumnWidth(i, 730), expected[i]) << i;
  EXPECT_EQ(defaultStatsColumnWidth(0, 10), 30) << "integer division";
}
