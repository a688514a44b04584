#include "EffectiveRainfall.h"

#include "SlotSums.h"

#include <cmath>

std::vector<uint8_t> spinUpFlags(const RainSlots& slots, double seconds) {
  const int n = slots.size();
  std::vector<uint8_t> flags(static_cast<size_t>(n));
  int64_t since = slots.start;
  for (int k = 0; k < n; ++k) {
    if (isMissing(slots.mm[static_cast<size_t>(k)])) since = slots.slotEnd(k);
    flags[static_cast<size_t>(k)] = static_cast<double>(slots.slotEnd(k) - since) < seconds ? 1 : 0;
  }
  return flags;
}

IndexSeries effectiveRainfall(const RainSlots& slots, double halfLifeHours) {
  const SlotSums sums(slots);
  const int n = slots.size();
  const double a = std::pow(0.5, 1.0 / halfLifeHours);
  IndexSeries out;
  out.mm.resize(static_cast<size_t>(n));
  for (int k = 0; k < n; ++k) {
    const double hour = sums.window(k, kSlotsPerHour);
    double before = k >= kSlotsPerHour ? out.mm[static_cast<size_t>(k - kSlotsPerHour)] : 0.0;
    if (std::isnan(before)) before = 0.0;
    out.mm[static_cast<size_t>(k)] = hour + a * before;  // NaN while the hour touches a missing slot
  }
  out.spinUp = spinUpFlags(slots, 4.0 * halfLifeHours * 3600.0);
  return out;
}
