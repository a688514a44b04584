#pragma once
// DisplaySeries: the values of the current interval mode and the graph's
// window on them. Owned by the document; written by its rebuild and by the
// view, read by the chart and printing.
//
// The store holds every value a loadable recording can produce: a ten-minute
// series has at most n + 2 values and an image holds at most 59,872 samples,
// so nothing is ever cut off. Writers still go through setValues, which never
// writes past the store.

#include "IntervalMode.h"

#include <cstdint>

#include "CLogstore1App.h"

constexpr int kDisplayValueRoom = logstore::kMaxSamples + 2;  // 59,874

struct DisplaySeries {
  int firstShownIndex = 0;
  int valueCount = 0;
  int visibleCount = 0;
  IntervalMode intervalMode = IntervalMode::Hourly;
  int verticalMax = 0;
  int cursorA = 0;  // 1-based, 0 = not placed
  int cursorB = 0;
  // Bucket times in 64 bits: a series may run past January 2038.
  int64_t seriesStart = 0;
  int64_t cursorAEnd = 0;
  int64_t cursorBEnd = 0;
  double values[kDisplayValueRoom] = {};
  // Per value, the ten-minute slots in it that no recording covers (a
  // recording from the station archive); all 0 for a recording from a file.
  int missingSlots[kDisplayValueRoom] = {};
  bool isMissing(int i) const { return missingSlots[i] > 0; }

  // Copies up to kDisplayValueRoom values and sets valueCount; returns how
  // many were taken.
  int setValues(const double* source, int count);
};
