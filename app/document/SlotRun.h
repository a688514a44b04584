#pragma once
// SlotRun: the rain of consecutive ten-minute slots from a start time, in
// integer tenths of a millimetre, with the slots no recording covers marked
// missing. A missing slot is not a slot without rain: everything built from
// a run keeps it apart. The station archive stores and serves runs; the
// series over several recordings are bucketed from them (SlotSeries.h).
// Owns its values; knows nothing of files or databases.

#include "RecordingBuffer.h"

#include <cstdint>
#include <optional>
#include <vector>

struct SlotRun {
  static constexpr int32_t kMissing = -1;
  static constexpr int kSlotSeconds = 600;

  int64_t start = 0;             // start of slot 0, a multiple of 600 s
  std::vector<int32_t> tenths;   // rain of slot i (from start + 600 i), or kMissing

  int64_t end() const { return start + int64_t(kSlotSeconds) * int64_t(tenths.size()); }
  int64_t slotTime(size_t i) const { return start + int64_t(kSlotSeconds) * int64_t(i); }
  bool isMissing(size_t i) const { return tenths[i] == kMissing; }
  // Millimetres of slot i; NaN when it is missing.
  double mm(size_t i) const;
  size_t missingCount() const;
};

// The logger's samples of a recording as slots, slot i holding the
// ten-minute series' value i as TenMinuteSeries builds it (a sample counts in
// the slot it lies in unless it lies in its last second). The closing 0 the
// builder appends after the last sample is a building convention, not a
// sample, and is not part of the run. Nothing when the series cannot be built
// (a record interval other than 600 s).
std::optional<SlotRun> recordingSlots(const RecordingBuffer& recording);
