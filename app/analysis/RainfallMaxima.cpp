#include "RainfallMaxima.h"

#include "SlotSums.h"

#include <algorithm>
#include <cstdint>

namespace {

// The largest sum of `length` slots over the complete windows ending at
// slots a..b-1; -1 when there is none. Four running maxima, so that the
// comparisons do not wait on each other.
double largestWindow(const SlotSums& sums, int length, int a, int b, bool anyMissing) {
  double m[4] = {-1.0, -1.0, -1.0, -1.0};
  int last = a;
  if (!anyMissing)
    for (; last + 3 < b; last += 4)
      for (int i = 0; i < 4; ++i) m[i] = std::max(m[i], sums.sum(last + i - length + 1, last + i));
  for (; last < b; ++last)
    if (!anyMissing || sums.complete(last - length + 1, last))
      m[0] = std::max(m[0], sums.sum(last - length + 1, last));
  return std::max(std::max(m[0], m[1]), std::max(m[2], m[3]));
}

}  // namespace

std::vector<RainfallMaximum> rainfallMaxima(const RainSlots& slots, PeriodKind by) {
  const int n = slots.size();
  // The periods in time order and the first slot whose end each holds.
  std::vector<RainPeriod> periods;
  std::vector<int> periodFirst;
  // Periods change only at local midnight: look the calendar up once a day.
  int64_t dayOfLast = INT64_MIN;
  for (int k = 0; k < n; ++k) {
    const int64_t day = (slots.slotEnd(k) - 1 + 9 * 3600) / 86400;  // local day of the slot's last second
    if (day == dayOfLast) continue;
    dayOfLast = day;
    const RainPeriod p = periodOfEnd(slots.slotEnd(k), by);
    if (periods.empty() || !(periods.back() == p)) {
      periods.push_back(p);
      periodFirst.push_back(k);
    }
  }
  periodFirst.push_back(n);
  constexpr size_t kDurations = std::size(kMaximaDurations);
  std::vector<RainfallMaximum> rows(periods.size() * kDurations);

  const SlotSums sums(slots);
  const bool anyMissing = n > 0 && !sums.complete(0, n - 1);
  for (size_t p = 0; p < periods.size(); ++p) {
    for (size_t d = 0; d < kDurations; ++d) {
      RainfallMaximum& row = rows[p * kDurations + d];
      row.period = periods[p];
      row.duration = kMaximaDurations[d];
      const int length = kMaximaDurations[d].slotCount;
      const int a = std::max(periodFirst[p], length - 1);
      const int b = periodFirst[p + 1];
      const double largest = largestWindow(sums, length, a, b, anyMissing);
      if (largest < 0.0) continue;
      // The first window within kEqualMm of the largest.
      for (int last = a; last < b; ++last) {
        if (anyMissing && !sums.complete(last - length + 1, last)) continue;
        const double mm = sums.sum(last - length + 1, last);
        if (mm + kEqualMm >= largest) {
          row.maxMm = mm;
          row.windowEnd = slots.slotEnd(last);
          break;
        }
      }
    }
  }
  return rows;
}
