#pragma once
// The graph's window on the display series and the span of time it shows,
// as the export, the range save and the tool work them out. Plain code over
// local time (UTC+9); it does not limit a span to the recording.

#include "IntervalMode.h"
#include "RecordingBuffer.h"

#include <cstdint>

// The graph's window on the DisplaySeries when the command starts.
struct ShownSeriesSpan {
  IntervalMode mode = IntervalMode::Hourly;
  int firstShownIndex = 0;
  int visibleCount = 0;
  int valueCount = 0;
  int64_t seriesStart = 0;  // 64 bits: a series may run past January 2038
};

struct TimeSpan {
  int64_t start = 0;
  int64_t end = 0;
};

// The time span of the graph's window, by its interval: hourly and daily
// from the series start, ten-minute from tenMinuteOrigin, monthly from the
// 1st of the monthly series' first month advanced by the first shown index,
// over the visible count of calendar months. Not limited to the recording.
TimeSpan shownSpan(const RecordingBuffer& recording, const ShownSeriesSpan& graph, int64_t tenMinuteOrigin);
