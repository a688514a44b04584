#pragma once
// IndexSeries: one rain index per slot (the value at the slot's end), as the
// indices table and a chart line read it. mm[k] is NaN where the index
// cannot be computed (a missing slot, or an hour touching one); spinUp[k] is
// 1 while the index still depends on how wet the ground was before its
// computation began (the recording's start or the end of a missing slot).
//
// Plain data; the functions that fill it say how.

#include <cstddef>
#include <cstdint>
#include <vector>

struct IndexSeries {
  std::vector<double> mm;
  std::vector<uint8_t> spinUp;  // 0 or 1, one per slot

  bool flagged(int k) const { return spinUp[static_cast<size_t>(k)] != 0; }
};
