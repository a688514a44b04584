#pragma once
// SlotSums: running sums over RainSlots, so that the rain of any run of
// consecutive slots and whether the run holds a missing slot are answered in
// constant time: the moving windows of the events, the effective rainfall
// and the maxima are read from it, each building one over its series.
//
// Owns its two prefix arrays; keeps no reference to the slots.

#include "RainSlots.h"

#include <vector>

class SlotSums {
 public:
  explicit SlotSums(const RainSlots& rain);

  // Rain of slots first..last (inclusive, first <= last, both inside the
  // series); missing slots add nothing.
  double sum(int first, int last) const { return clampZero(m_sum[last + 1] - m_sum[first]); }
  // True when no slot of first..last is missing.
  bool complete(int first, int last) const { return m_missing[last + 1] == m_missing[first]; }

  // The moving window of `length` slots ending with slot `last`, slots
  // before the series counting 0; NaN when a slot of it is missing.
  double window(int last, int length) const;

 private:
  static double clampZero(double v) { return v < kEqualMm ? 0.0 : v; }
  std::vector<double> m_sum;     // m_sum[k]: rain of slots 0..k-1
  std::vector<int> m_missing;    // m_missing[k]: missing slots among 0..k-1
};
