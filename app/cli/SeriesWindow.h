#pragma once
// SeriesWindow: the buckets of a series that a time range [from, to) covers,
// as the first shown index and visible count of the chart and the print.
// A bucket is in the window when it overlaps the range; a range that
// overlaps no bucket of the recording is refused, with which end is wrong.
//
// Plain code over the DisplaySeries: its start, step by interval mode and
// value count. Does not change the series.

#include "DisplaySeries.h"

#include <cstdint>
#include <optional>

struct SeriesWindowResult {
  enum class Status { Ok, StartOutside, EndOutside };
  Status status = Status::Ok;
  int firstIndex = 0;
  int count = 0;
};

// Start time of bucket i of a series of mode beginning at seriesStart.
int64_t bucketStart(IntervalMode mode, int64_t seriesStart, int i);

SeriesWindowResult seriesWindow(const DisplaySeries& series, std::optional<int64_t> from,
                                std::optional<int64_t> to);
