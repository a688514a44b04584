// The zoom band: when a drag starts, which moves shape the band, and what
// the release reports in bars.
#include "ChartBand.h"

#include <gtest/gtest.h>

TEST(ChartBand, OnlyAnEnabledBandStartsADrag) {
  ChartBand band;
  EXPECT_FALSE(band.press(10, 10, false));
  EXPECT_FALSE(band.dragging());
  EXPECT_FALSE(band.move(50, 50, 0, 0, 200, 100));
  EXPECT_FALSE(band.release(5.0).accepted);
  EXPECT_TRUE(band.press(10, 10, true));
  EXPECT_TRUE(band.dragging());
}

TEST(ChartBand, DraggingLeftwardsGivesTheSameBandInBars) {
  ChartBand band;
  ASSERT_TRUE(band.press(100, 50, true));
  EXPECT_TRUE(band.move(70, 60, 0, 0, 200, 100));
  EXPECT_TRUE(band.move(40, 80, 0, 0, 200, 100));
  EXPECT_EQ(band.bandLeft(), 40);
  EXPECT_EQ(band.bandRight(), 100);
  ChartBand::Result r = band.release(6.0);
  EXPECT_TRUE(r.accepted);
  EXPECT_DOUBLE_EQ(r.widthBars, 10.0);
  EXPECT_DOUBLE_EQ(r.offsetBars, 40.0 / 6.0);
  EXPECT_FALSE(band.dragging());
}

TEST(ChartBand, MovesOutsideTheChartOrLevelWithTheAnchorKeepTheBand) {
  ChartBand band;
  ASSERT_TRUE(band.press(20, 50, true));
  ASSERT_TRUE(band.move(60, 40, 0, 0, 200, 100));
  EXPECT_FALSE(band.move(250, 40, 0, 0, 200, 100));  // right of the chart
  EXPECT_FALSE(band.move(200, 40, 0, 0, 200, 100));  // right edge is outside
  EXPECT_FALSE(band.move(90, -1, 0, 0, 200, 100));   // above
  EXPECT_FALSE(band.move(90, 50, 0, 0, 200, 100));   // level with the anchor
  EXPECT_FALSE(band.move(20, 70, 0, 0, 200, 100));   // straight below it
  EXPECT_EQ(band.bandRight(), 60);
  ChartBand::Result r = band.release(4.0);
  EXPECT_TRUE(r.accepted);
  EXPECT_DOUBLE_EQ(r.widthBars, 10.0);
  EXPECT_DOUBLE_EQ(r.offsetBars, 5.0);
}

TEST(ChartBand, BandsNarrowerThanABarAreDiscarded) {
  ChartBand band;
  ASSERT_TRUE(band.press(50, 50, true));
  ASSERT_TRUE(band.move(55, 60, 0, 0, 200, 100));
  EXPECT_FALSE(band.release(5.5).accepted);

  // Exactly one bar wide is enough.
  ASSERT_TRUE(band.press(50, 50, true));
  ASSERT_TRUE(band.move(55, 60, 0, 0, 200, 100));
  EXPECT_TRUE(band.release(5.0).accepted);

  // A click without a move, and a chart without bars, give nothing.
  ASSERT_TRUE(band.press(50, 50, true));
  EXPECT_FALSE(band.release(5.0).accepted);
  ASSERT_TRUE(band.press(50, 50, true));
  ASSERT_TRUE(band.move(150, 60, 0, 0, 200, 100));
  EXPECT_FALSE(band.release(0.0).accepted);
}
