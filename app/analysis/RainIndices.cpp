#include "RainIndices.h"

#include "ContinuousRainfall.h"
#include "EffectiveRainfall.h"
#include "SoilWaterIndex.h"

bool RainIndices::spinUp(int k) const {
  if (soilWater.flagged(k)) return true;
  for (const IndexSeries& e : effective)
    if (e.flagged(k)) return true;
  return false;
}

RainIndices computeRainIndices(const RainSlots& slots, int gapSlots, const std::vector<double>& halfLivesHours) {
  RainIndices out;
  out.continuousMm = continuousRainfall(slots, gapSlots);
  out.halfLivesHours = halfLivesHours;
  for (double t : halfLivesHours) out.effective.push_back(effectiveRainfall(slots, t));
  out.soilWater = soilWaterIndex(slots);
  return out;
}
