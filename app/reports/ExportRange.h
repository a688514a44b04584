#pragma once
// What the export settings turn into an ExportRequest: the graph's displayed
// range, the whole recording, or a range typed into the ten date fields with
// its checks. Plain code shared by the settings dialog and the command-line
// tool; the dialog only shows the message a check returns. The range
// vocabulary it works in (ShownSeriesSpan, TimeSpan, DateTexts, RangeCheck) is
// the document's.

#include "DateTexts.h"
#include "IntervalMode.h"
#include "RangeCheck.h"
#include "RecordingBuffer.h"
#include "ShownSpan.h"
#include "TextExport.h"

#include <cstdint>
#include <string>

// The displayed start and end times the export works with: ten-minute from
// the record start rounded down to 600 s; a monthly end never past the
// recording's last sample.
TimeSpan exportGraphSpan(const RecordingBuffer& recording, const ShownSeriesSpan& graph);

// The displayed range: the shown values from the first shown index, never
// more than the series holds.
ExportRequest graphExportRequest(const ShownSeriesSpan& graph, int64_t graphStart, char separator);
// The whole series of the graph's interval.
ExportRequest wholeExportRequest(const ShownSeriesSpan& graph, char separator);

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
