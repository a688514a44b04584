// The chart overlay's curves and the stored settings that choose them: a
// bad or missing setting falls back to its default, never to a curve the
// analysis would refuse; the curves are the analysis's own series.
#include "ContinuousRainfall.h"
#include "EffectiveRainfall.h"
#include "OverlayCurves.h"
#include "Slots.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(OverlayCurves, StoredSettingsAreReadLenientlyWithDefaults) {
  const OverlaySettings defaults;
  EXPECT_EQ(defaults.gapSlots, 36);
  EXPECT_EQ(defaults.halfLivesHours, (std::vector<double>{1.5, 72.0}));
  EXPECT_EQ(overlaySettingsFromText("", ""), defaults);
  const OverlaySettings read = overlaySettingsFromText("90", "0.5, 24,72");
  EXPECT_EQ(read.gapSlots, 9);
  EXPECT_EQ(read.halfLivesHours, (std::vector<double>{0.5, 24.0}));  // the chart draws two
  EXPECT_EQ(overlaySettingsFromText("10", "720").gapSlots, 1);
  EXPECT_EQ(overlaySettingsFromText("4320", "720").halfLivesHours, (std::vector<double>{720.0}));
  // Each bad value gives its own default.
  for (const char* gap : {"0", "5", "95", "4330", "-60", "6h", "360.5", "1e3"})
    EXPECT_EQ(overlaySettingsFromText(gap, "3").gapSlots, 36) << gap;
  for (const char* list : {"0.4", "721", "1.5,", ",72", "1.5;72", "abc", "1.5,x"})
    EXPECT_EQ(overlaySettingsFromText("60", list).halfLivesHours, defaults.halfLivesHours) << list;
}

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
