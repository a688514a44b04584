#include "RainfallMaxima.h"

#include "SlotSums.h"

#include <cstdint>

std::vector<RainfallMaximum> rainfallMaxima(const RainSlots& slots, PeriodKind by) {
  const int n = slots.size();
  // The period of each slot end, as an index into `periods`.
  std::vector<RainPeriod> periods;
  std::vector<int> periodOf(static_cast<size_t>(n));
  // Periods change only at local midnight: look the calendar up once a day.
  int64_t dayOfLast = INT64_MIN;
  RainPeriod p;
  for (int k = 0; k < n; ++k) {
    const int64_t day = (slots.slotEnd(k) - 1 + 9 * 3600) / 86400;  // local day of the slot's last second
    if (day != dayOfLast) {
      p = periodOfEnd(slots.slotEnd(k), by);
      dayOfLast = day;
    }
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
  const bool anyMissing = n > 0 && !sums.complete(0, n - 1);
  for (size_t d = 0; d < kDurations; ++d) {
    const int length = kMaximaDurations[d].slotCount;
    // The best window of the period in hand; written to its row when the
    // windows' ends move into the next period.
    int period = -1;
    double best = -1.0;
    int bestLast = -1;
    const auto keep = [&] {
      if (period < 0 || bestLast < 0) return;
      RainfallMaximum& row = rows[static_cast<size_t>(period) * kDurations + d];
      row.maxMm = best;
      row.windowEnd = slots.slotEnd(bestLast);
    };
    for (int last = length - 1; last < n; ++last) {
      const int p = periodOf[static_cast<size_t>(last)];
      if (p != period) {
        keep();
        period = p;
        best = -1.0;
        bestLast = -1;
      }
      const int first = last - length + 1;
      if (anyMissing && !sums.complete(first, last)) continue;
      const double mm = sums.sum(first, last);
      if (mm > best + kEqualMm) {
        best = mm;
        bestLast = last;
      }
    }
    keep();
  }
  return rows;
}
