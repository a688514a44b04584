#pragma once
// GraphPages: the pages of the chart print job as plain data. Page 1 holds
// the print time, the rectangle the chart control draws the chart into, and
// the summary block (data name, maximum, number of values, average, interval
// and shown range); pages 2 and on list every shown value, column after
// column, 3 columns in portrait and 6 in landscape.
//
// Only the values that exist are read: a window reaching past the end of the
// series stops at its last value (the summary counts and averages those, an
// average over none is 0.0).
//
// Does not draw (ReportRenderer does) and does not read the document: the
// caller hands in the DisplaySeries with its window and the decoded data
// name.

#include "DisplaySeries.h"
#include "PageSetup.h"
#include "ReportPage.h"

#include <cstdint>
#include <string>

struct RecordingBuffer;
struct ChartOverlayData;

struct GraphPrintData {
  const DisplaySeries* series = nullptr;
  bool loaded = false;    // LoadedFlag: without it only the print time is drawn
  std::string dataName;   // UTF-8
  int64_t printTime = 0;  // the clock when the page is drawn
  // Curves drawn over the chart's bars, as on the screen; null: none.
  const ChartOverlayData* overlay = nullptr;
};

// The data name of a recording: its 32-byte Shift-JIS field, terminated or
// not, as UTF-8.
std::string printDataName(const RecordingBuffer& recording);

// The shown values that exist: indices first .. end-1.
struct ShownValues {
  int first = 0;
  int end = 0;
  int count() const { return end - first; }
};
ShownValues shownValues(const DisplaySeries& series);

struct GraphSummary {
  std::string maximum;  // "%5.1fmm"
  std::string count;    // "%d"
  std::string average;  // "%5.1fmm"
  std::string interval;
  std::string rangeStart;
  std::string rangeEnd;
};
GraphSummary graphSummary(const DisplaySeries& series);

// The value-list entry of the value at series index i.
std::string valueListEntry(const DisplaySeries& series, int i);

ReportPage graphFirstPage(const PrintLayout& layout, const GraphPrintData& data);
// page >= 2.
ReportPage valueListPage(const PrintLayout& layout, const GraphPrintData& data, int page);
