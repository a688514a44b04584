#pragma once
// What the export settings turn into an ExportRequest: the graph's displayed
// range, the whole recording, or a range typed into the ten date fields with
// its checks. Plain code shared by the settings dialog and the command-line
// tool; the dialog only shows the message a check returns.

#include "IntervalMode.h"
#include "RecordingBuffer.h"
#include "TextExport.h"

#include <cstdint>
#include <string>

// The graph's window on the DisplaySeries when the command starts.
struct GraphWindow {
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
TimeSpan shownSpan(const RecordingBuffer& recording, const GraphWindow& graph, int64_t tenMinuteOrigin);

// The displayed start and end times the export works with: ten-minute from
// the record start rounded down to 600 s; a monthly end never past the
// recording's last sample.
TimeSpan exportGraphSpan(const RecordingBuffer& recording, const GraphWindow& graph);

// The displayed range: the shown values from the first shown index, never
// more than the series holds.
ExportRequest graphExportRequest(const GraphWindow& graph, int64_t graphStart, char separator);
// The whole series of the graph's interval.
ExportRequest wholeExportRequest(const GraphWindow& graph, char separator);

// The five date fields of one row, as typed.
struct DateTexts {
  std::string year, month, day, hour, minute;
};

enum class RangeCheck { Ok, DateInvalid, StartInvalid, EndInvalid };

// The message of a failed check ("" for Ok).
const char* rangeCheckMessage(RangeCheck check);

struct GivenRange {
  RangeCheck check = RangeCheck::Ok;
  ExportRequest request;  // valid when check is Ok
};

// Normalises the fields for the interval (unused fields become 0 or 1, the
// 10-minute minute is lowered to a multiple of ten, the monthly end is the
// 1st of the month after the one entered), checks them in order and works
// out the start slot, its index and the number of lines. The lines asked for
// always lie within the interval's series.
GivenRange givenExportRange(const RecordingBuffer& recording, IntervalMode interval, const DateTexts& start,
                            const DateTexts& end, char separator);

// Which date fields of each row are open for input at an interval: year and
// month always, the day below monthly, the hour below daily, the minute at
// ten minutes only.
struct ExportFieldUse {
  bool day = false;
  bool hour = false;
  bool minute = false;
};
ExportFieldUse exportFieldUse(IntervalMode interval);
