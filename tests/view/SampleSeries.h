#pragma once
// Test helper: a bundled sample recording as the DisplaySeries the document
// would show for one interval mode, whole, with the mode's default vertical
// maximum. Heap-allocated: a DisplaySeries is about half a megabyte.

#include "DisplaySeries.h"
#include "RecordingBuffer.h"

#include <memory>
#include <string>

// nullptr when the file cannot be read or the series cannot be built.
std::unique_ptr<DisplaySeries> loadSampleSeries(const std::string& path, IntervalMode mode);

// The series the document would show for a recording; nullptr when refused.
std::unique_ptr<DisplaySeries> seriesFromRecording(const RecordingBuffer& recording, IntervalMode mode);

// A series of the given values starting at start, shown whole.
std::unique_ptr<DisplaySeries> makeSeries(IntervalMode mode, int64_t start, const double* values,
                                          int count, int verticalMax);
