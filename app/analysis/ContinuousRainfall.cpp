#include "ContinuousRainfall.h"

#include <algorithm>

std::vector<double> continuousRainfall(const RainSlots& slots, int gapSlots) {
  const int n = slots.size();
  std::vector<double> out(static_cast<size_t>(n));
  double sum = 0.0;
  int dryRun = 0;
  for (int k = 0; k < n; ++k) {
    const double v = slots.mm[static_cast<size_t>(k)];
    if (isMissing(v)) {
      out[static_cast<size_t>(k)] = kMissingMm;
      sum = 0.0;
      dryRun = 0;
      continue;
    }
    if (isWet(v)) {
      sum += v;
      dryRun = 0;
    } else if (++dryRun >= gapSlots) {
      sum = 0.0;
    }
    out[static_cast<size_t>(k)] = sum;
  }
  return out;
}
