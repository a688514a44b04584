#pragma once
// The text export: one line per interval value, "\"<label>\"<sep><mm>\n",
// plain ASCII, the value with one decimal ("%.1f", locale-independent), a
// single line feed, no header or trailer. A bucket of a series with missing
// slots (the archive's, RainSeries::missingSlots) is written without a
// value: "\"<label>\"<sep>\n".
//
// Entry points for the window and the command-line tool alike:
//  - exportSeriesText: build the series of an interval from a recording and
//    append the requested lines to a byte string;
//  - writeSeriesTextFile: the same into a file, written whole under a
//    temporary name and renamed into place, so a failed write leaves the old
//    file untouched and no partial file behind.
// The request (start slot, its index, count, separator) comes from the
// export settings (ExportRange.h) or from the caller directly.

#include "IntervalMode.h"
#include "RainSeries.h"
#include "RecordingBuffer.h"

#include <cstdint>
#include <string>

struct ExportRequest {
  IntervalMode interval = IntervalMode::Hourly;
  int64_t startTime = 0;  // start of the first slot written (64 bits: past January 2038 too)
  int startIndex = 0;     // index of that slot in the interval's series
  int count = 0;          // lines to write
  char separator = ',';   // ',', '\t', ' ' or ';'
};

enum class ExportStatus { Written, SeriesRefused, WriteFailed };

// Appends the request's lines over a series already built for its interval.
// Lines whose slot lies past the series' last value are not written, so the
// series is never read past its value count. Returns the lines written.
int appendExportLines(const RainSeries& series, const ExportRequest& request, std::string& out);

// Builds the series of request.interval from the recording and appends the
// lines. SeriesRefused (nothing appended) when the recording cannot be built
// into a series (record interval other than 600).
ExportStatus exportSeriesText(const RecordingBuffer& recording, const ExportRequest& request, std::string& out);

// The same into the file at path. SeriesRefused creates no file;
// WriteFailed leaves whatever was at path as it was.
ExportStatus writeSeriesTextFile(const RecordingBuffer& recording, const ExportRequest& request,
                                 const std::string& path);
