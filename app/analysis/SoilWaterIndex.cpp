#include "SoilWaterIndex.h"

#include "EffectiveRainfall.h"

#include <algorithm>

namespace {
constexpr double kDt = 1.0 / 6.0;

double side(double storage, double level, double alpha) { return alpha * std::max(storage - level, 0.0); }
}  // namespace

IndexSeries soilWaterIndex(const RainSlots& slots) {
  const int n = slots.size();
  IndexSeries out;
  out.mm.resize(static_cast<size_t>(n));
  double s1 = 0.0, s2 = 0.0, s3 = 0.0;
  for (int k = 0; k < n; ++k) {
    const double r = slots.mm[static_cast<size_t>(k)];
    if (isMissing(r)) {
      out.mm[static_cast<size_t>(k)] = kMissingMm;
      s1 = s2 = s3 = 0.0;
      continue;
    }
    const double q1 = side(s1, 15.0, 0.10) + side(s1, 60.0, 0.15);
    const double q2 = side(s2, 15.0, 0.05);
    const double q3 = side(s3, 15.0, 0.01);
    const double n1 = std::max(0.0, s1 - (q1 + 0.12 * s1) * kDt + r);
    const double n2 = std::max(0.0, s2 - (q2 + 0.05 * s2) * kDt + 0.12 * s1 * kDt);
    const double n3 = std::max(0.0, s3 - (q3 + 0.01 * s3) * kDt + 0.05 * s2 * kDt);
    s1 = n1;
    s2 = n2;
    s3 = n3;
    out.mm[static_cast<size_t>(k)] = s1 + s2 + s3;
  }
  out.spinUp = spinUpFlags(slots, 4.0 * kSoilWaterSpinUpHalfLifeHours * 3600.0);
  return out;
}
