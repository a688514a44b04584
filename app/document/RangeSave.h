#pragma once
// The HYY range save as plain code: which span of the recording each choice
// of the dialog names (the graph's window, the whole recording, a typed
// range), the checks of a typed range, which samples go into the new file,
// and the file itself through the data-file library.
//
// The new file starts at the time of the first sample it holds and never
// holds a sample past the recording's last one. The loaded recording is not
// changed.

#include "DateTexts.h"
#include "RangeCheck.h"
#include "RecordingBuffer.h"
#include "ShownSpan.h"
#include "UserMessages.h"

#include <cstdint>
#include <string>

// Record start + 600 x sample count.
int64_t recordEnd(const RecordingBuffer& recording);

// The graph's window as a range to save, its end limited to the record end.
// Ten-minute windows count from the record start itself.
TimeSpan rangeSaveGraphSpan(const RecordingBuffer& recording, const ShownSeriesSpan& graph);
// A graph window that starts at or past the record end holds no sample:
// EndInvalid. Ok otherwise.
RangeCheck checkGraphSaveSpan(const RecordingBuffer& recording, const TimeSpan& span);
// The whole recording.
TimeSpan wholeRecordingSpan(const RecordingBuffer& recording);

// A typed range: minutes lowered to a multiple of ten, both rows checked
// (DateInvalid), the start not before the record start (StartInvalid), the
// end not before the start nor past the last slot (EndInvalid).
RangeCheck checkGivenSaveSpan(const RecordingBuffer& recording, const DateTexts& start, const DateTexts& end,
                              TimeSpan& span);

struct RangeSavePlan {
  int firstIndex = 0;     // first sample written
  int count = 0;          // samples written
  int blockSize = 4096;   // words handed to the data-file library
  int64_t startTime = 0;  // time stamp of the first sample written
};

// First index rounded up, count rounded down and cut at the last sample,
// block 4,096 words or the count rounded up to a multiple of 4,096.
RangeSavePlan planRangeSave(const RecordingBuffer& recording, const TimeSpan& span);

enum class RangeSaveStatus { Written, Cancelled, OpenFailed, WriteFailed };

// Writes the planned samples to a new file at path.
RangeSaveStatus writeRangeFile(const RecordingBuffer& recording, const RangeSavePlan& plan, const std::string& path);

// Asks the data-file library for a file name and writes the span to it;
// tells the user when the file cannot be opened or written.
RangeSaveStatus saveRange(const RecordingBuffer& recording, const TimeSpan& span, UserMessages& messages);
