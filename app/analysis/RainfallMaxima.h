#pragma once
// Maximum rainfall by duration: for each duration D of kMaximaDurations,
// the largest rain over D / 10 min consecutive slots, over every window
// lying wholly inside the series and touching no missing slot, and the end
// of that window (on ties the first: the first window within kEqualMm of
// the largest sum). Each
// window counts for the period that holds its end (RainPeriod.h). A period
// with no such window for a duration has no value there.
//
// Rows come period by period in time order, the durations in the order of
// kMaximaDurations within each; the periods are those holding the end of
// at least one slot of the series, missing or not.

#include "RainPeriod.h"
#include "RainSlots.h"

#include <optional>
#include <vector>

struct MaximaDuration {
  int slotCount;
  const char* label;
};
inline constexpr MaximaDuration kMaximaDurations[] = {{1, "10min"},  {6, "1h"},   {18, "3h"},  {36, "6h"},
                                                      {72, "12h"},   {144, "24h"}, {288, "48h"}, {432, "72h"}};

struct RainfallMaximum {
  RainPeriod period;
  MaximaDuration duration{1, "10min"};
  std::optional<double> maxMm;    // empty: no whole window in the period
  std::optional<int64_t> windowEnd;
};

std::vector<RainfallMaximum> rainfallMaxima(const RainSlots& rain, PeriodKind by);
