#include "RainfallMaxima.h"

#include "SlotSums.h"

std::vector<RainfallMaximum> rainfallMaxima(const RainSlots& slots, PeriodKind by) {
  const int n = slots.size();
  // The period of each slot end, as an index into `periods`.
  std::vector<RainPeriod> periods;
  std::vector<int> periodOf(static_cast<size_t>(n));
  for (int k = 0; k < n; ++k) {
    const RainPeriod p = periodOfEnd(slots.slotEnd(k), by);
    if (periods.empty() || !(periods.back() == p)) periods.push_back(p);
    periodOf[static_cast<size_t>(k)] = static_cast<int>(periods.size()) - 1;
  }
  constexpr size_t kDurations = std::size(kMaximaDurations);
  std::vector<RainfallMaximum> rows(periods.size() * kDurations);
  for (size_t p = 0; p < periods.size(); ++p)
    for (size_t d = 0; d < kDurations; ++d) {
      rows[p * kDurations + d].period = periods[p];
      rows[p * kDurations + d].duration = kMaximaDurations[d];
    }

  const SlotSums sums(slots);
  for (size_t d = 0; d < kDurations; ++d) {
    const int length = kMaximaDurations[d].slotCount;
    for (int last = length - 1; last < n; ++last) {
      const int first = last - length + 1;
      if (!sums.complete(first, last)) continue;
      const double mm = sums.sum(first, last);
      RainfallMaximum& row = rows[static_cast<size_t>(periodOf[static_cast<size_t>(last)]) * kDurations + d];
      if (!row.maxMm || mm > *row.maxMm + kEqualMm) {
        row.maxMm = mm;
        row.windowEnd = slots.slotEnd(last);
      }
    }
  }
  return rows;
}
