// Continuous rainfall, effective rainfall and the soil water index against
// values worked out by hand from their definitions, their spin-up flags,
// and how each goes on after a missing slot.
#include "ContinuousRainfall.h"
#include "EffectiveRainfall.h"
#include "RainIndices.h"
#include "Slots.h"
#include "SoilWaterIndex.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ContinuousRainfall, KeepsTheTotalThroughTheDryRunAndDropsWhenItReachesTheGap) {
  SlotsBuilder s;
  s.dry(2).rain({1.5, 2.5}).dry(5).rain({1.0}).dry(6).rain({0.5});
  const auto c = continuousRainfall(s.slots(), 6);
  const std::vector<double> expected{0, 0, 1.5, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 0, 0.5};
  ASSERT_EQ(c.size(), expected.size());
  for (size_t k = 0; k < c.size(); ++k) EXPECT_DOUBLE_EQ(c[k], expected[k]) << "slot " << k;

  // Unknown at a missing slot, and from 0 again after it.
  SlotsBuilder m;
  m.rain({2.0}).missing(1).dry(1).rain({1.0});
  const auto g = continuousRainfall(m.slots(), 6);
  EXPECT_DOUBLE_EQ(g[0], 2.0);
  EXPECT_TRUE(std::isnan(g[1]));
  EXPECT_DOUBLE_EQ(g[2], 0.0);
  EXPECT_DOUBLE_EQ(g[3], 1.0);
}

TEST(EffectiveRainfall, TenMillimetresInOneHourThenDryForBothHalfLives) {
  // 4, 2, 1, 1, 1, 1 mm in the first hour, then dry. By hand, with a the
  // hourly decay: R(0:10) = 4, R(1:00) = 10, R(1:10) = 6 + 4a (the hour
  // 0:10-1:10 holds 6 mm), R(2:00) = 10a, R(2:10) = (6 + 4a) a, R(3:00) = 10 a^2.
  SlotsBuilder s;
  s.rain({4, 2, 1, 1, 1, 1}).dry(30);
  struct Case {
    double halfLife;
    double r0010, r0100, r0110, r0200, r0210, r0300;
  };
  // a = 0.5^(1/1.5) = 0.629961 and 0.5^(1/72) = 0.990419.
  for (const Case& c : {Case{1.5, 4.0, 10.0, 8.52, 6.30, 5.37, 3.97}, Case{72.0, 4.0, 10.0, 9.96, 9.90, 9.87, 9.81}}) {
    const IndexSeries r = effectiveRainfall(s.slots(), c.halfLife);
    EXPECT_NEAR(r.mm[0], c.r0010, 0.005) << c.halfLife;
    EXPECT_NEAR(r.mm[5], c.r0100, 0.005) << c.halfLife;
    EXPECT_NEAR(r.mm[6], c.r0110, 0.005) << c.halfLife;
    EXPECT_NEAR(r.mm[11], c.r0200, 0.005) << c.halfLife;
    EXPECT_NEAR(r.mm[12], c.r0210, 0.005) << c.halfLife;
    EXPECT_NEAR(r.mm[17], c.r0300, 0.005) << c.halfLife;
  }
  // Spin-up while less than 4 T has passed: 6 h for T = 1.5 h, so the
  // slot ending at 6:00 (slot 35) is the first settled one.
  const IndexSeries fast = effectiveRainfall(s.slots(), 1.5);
  EXPECT_TRUE(fast.flagged(34));
  EXPECT_FALSE(fast.flagged(35));
  EXPECT_TRUE(effectiveRainfall(s.slots(), 72.0).flagged(35));
}

TEST(EffectiveRainfall, StartsAgainAfterAMissingSlot) {
  SlotsBuilder s;
  s.rain({6.0}).dry(5).missing(1).rain({3.0}).dry(50);
  const IndexSeries r = effectiveRainfall(s.slots(), 1.5);
  EXPECT_DOUBLE_EQ(r.mm[5], 6.0);
  for (int k = 6; k <= 11; ++k) EXPECT_TRUE(std::isnan(r.mm[static_cast<size_t>(k)])) << "hour touches the gap at " << k;
  EXPECT_DOUBLE_EQ(r.mm[12], 3.0) << "the hour 1:10-2:10 without the rain before the gap";
  EXPECT_NEAR(r.mm[18], 3.0 * std::pow(0.5, 1.0 / 1.5), 1e-12);
  // Spin-up counted again from the end of the missing slot (1:10): 6 h later.
  EXPECT_TRUE(r.flagged(6 + 35));
  EXPECT_FALSE(r.flagged(6 + 36));
}

TEST(SoilWaterIndex, ThreeTanksUnderThirtyMillimetresAnHourForThreeHours) {
  // 5 mm every ten minutes for 3 h, then dry. Worked by hand from the
  // tanks: after the first slot S1 = 5; after the second S1 = 5 - 0.12*5/6
  // + 5 = 9.9 and S2 = 0.1, index 10.00; the first side outlet opens once
  // S1 passes 15 mm (fourth slot), the 60-mm outlet near the end of the
  // three hours; values at 0:10, 0:20, 0:40, 1:00, 3:00 (end of the rain),
  // 4:00 and 9:00.
  SlotsBuilder s;
  s.steady(18, 5.0).dry(36);
  const IndexSeries swi = soilWaterIndex(s.slots());
  EXPECT_NEAR(swi.mm[0], 5.00, 0.005);
  EXPECT_NEAR(swi.mm[1], 10.00, 0.005);
  EXPECT_NEAR(swi.mm[3], 20.00, 0.005);
  EXPECT_NEAR(swi.mm[5], 29.78, 0.005);
  EXPECT_NEAR(swi.mm[17], 82.70, 0.005);
  EXPECT_NEAR(swi.mm[23], 77.17, 0.005);
  EXPECT_NEAR(swi.mm[53], 62.72, 0.005);
  EXPECT_TRUE(swi.flagged(53)) << "288 h of spin-up";

  // After a missing slot the tanks start empty again.
  SlotsBuilder m;
  m.steady(6, 5.0).missing(1).rain({5.0, 5.0});
  const IndexSeries g = soilWaterIndex(m.slots());
  EXPECT_TRUE(std::isnan(g.mm[6]));
  EXPECT_NEAR(g.mm[7], 5.0, 1e-12);
  EXPECT_NEAR(g.mm[8], 10.0, 1e-12);
}

TEST(RainIndices, SpinUpOfALineIsThatOfAnyOfItsIndices) {
  SlotsBuilder s;
  s.steady(12 * 24 * 6 + 10, 0.5);
  const RainSlots rain = s.slots();
  const RainIndices all = computeRainIndices(rain, 36, {1.5, 72.0});
  ASSERT_EQ(all.effective.size(), 2u);
  ASSERT_EQ(all.continuousMm.size(), s.mm.size());
  const int settled = 12 * 24 * 6 - 1;  // ends at 288 h
  EXPECT_TRUE(all.spinUp(settled - 1));
  EXPECT_FALSE(all.spinUp(settled));
  const RainIndices fast = computeRainIndices(rain, 36, {1.5});
  EXPECT_TRUE(fast.spinUp(settled - 1)) << "the soil water index still spins up";
  EXPECT_NEAR(all.continuousMm.back(), 0.5 * static_cast<double>(s.mm.size()), 1e-6);
}
