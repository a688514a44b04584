#pragma once
// RainIndices: every per-slot index of a series at once, as the indices
// table and the chart's lines read them: the rain itself, the continuous
// rainfall, one effective rainfall per half-life (in the order given) and
// the soil water index. Arrays of one value per slot, value k at the end
// of slot k.
//
// Owns its arrays (not the rain, which stays the caller's).

#include "IndexSeries.h"
#include "RainSlots.h"

#include <vector>

inline constexpr double kDefaultHalfLivesHours[] = {1.5, 72.0};

struct RainIndices {
  std::vector<double> continuousMm;
  std::vector<double> halfLivesHours;
  std::vector<IndexSeries> effective;  // one per half-life
  IndexSeries soilWater;

  // True when any index at slot k is in its spin-up.
  bool spinUp(int k) const;
};

RainIndices computeRainIndices(const RainSlots& rain, int gapSlots, const std::vector<double>& halfLivesHours);
