// The chart overlay's curves are the analysis's own series.
#include "ContinuousRainfall.h"
#include "EffectiveRainfall.h"
#include "OverlayCurves.h"
#include "Slots.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(OverlayCurves, ContinuousThenEachEffectiveRainfallWithLegendLabels) {
  SlotsBuilder b;
  b.rain({2, 4}).dry(3).missing(1).steady(12, 1.0);
  OverlaySettings settings;
  settings.gapSlots = 2;
  settings.halfLivesHours = {0.5, 72};
  const ChartOverlayData data = overlayCurves(b.slots(), settings);
  EXPECT_EQ(data.slotStart, b.start);
  ASSERT_EQ(data.curves.size(), 3u);
  EXPECT_EQ(data.curves[0].label, "連続雨量");
  EXPECT_EQ(data.curves[1].label, "実効雨量 0.5h");
  EXPECT_EQ(data.curves[2].label, "実効雨量 72h");
  const std::vector<std::vector<double>> expected{continuousRainfall(b.slots(), 2),
                                                  effectiveRainfall(b.slots(), 0.5).mm,
                                                  effectiveRainfall(b.slots(), 72).mm};
  for (size_t c = 0; c < 3; ++c) {
    ASSERT_EQ(data.curves[c].mm.size(), b.mm.size());
    for (size_t k = 0; k < b.mm.size(); ++k) {
      if (std::isnan(expected[c][k])) EXPECT_TRUE(std::isnan(data.curves[c].mm[k])) << c << " " << k;
      else EXPECT_EQ(data.curves[c].mm[k], expected[c][k]) << c << " " << k;
    }
  }
  // The missing slot stays missing: the chart breaks its lines there.
  EXPECT_TRUE(std::isnan(data.curves[0].mm[5]));
  EXPECT_EQ(data.curves[0].mm[1], 6.0);
}
