#include "SlotSums.h"

#include <algorithm>

SlotSums::SlotSums(const RainSlots& slots) {
  const int n = slots.size();
  m_sum.resize(static_cast<size_t>(n) + 1);
  m_missing.resize(static_cast<size_t>(n) + 1);
  double sum = 0.0;
  int missing = 0;
  for (int k = 0; k < n; ++k) {
    const double v = slots.mm[static_cast<size_t>(k)];
    if (isMissing(v)) ++missing;
    else sum += v;
    m_sum[static_cast<size_t>(k) + 1] = sum;
    m_missing[static_cast<size_t>(k) + 1] = missing;
  }
}

double SlotSums::window(int last, int length) const {
  const int first = std::max(0, last - length + 1);
  return complete(first, last) ? sum(first, last) : kMissingMm;
}
