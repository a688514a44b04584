#pragma once
// TableSnapshot: what a rainfall table prints from - the table's start (00:00
// of the month's or the year's first day), the station name, and a copy of
// the series rebuilt for the table's interval (hourly for the monthly table,
// daily for the yearly table). The view keeps one between table commands so
// that a preview can redraw after the document went back to the chart's
// interval; tools build one straight from a recording.
//
// Also the cell rule both tables share: "%3.1f", "-" for exactly 0, and a
// text wider than three characters moved left by what it is wider than a
// three-character number, so that numbers end at the same place in their
// cells. Widths come from the printer's font when the page is printed;
// without them a character is taken as half the body font height wide.
// Where a font is too large for its cells (landscape sheets) a number that
// would cross its cell's right line ends an eighth of the font height
// before it, and one too wide for the cell (a yearly total of thousands of
// millimetres) starts that far right of the left line.

#include "DisplaySeries.h"
#include "ReportPage.h"
#include "SlotRun.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct RecordingBuffer;

enum class TableKind { HourlyMonth = 0, DailyYear = 1 };

struct TableSnapshot {
  int64_t tableStart = 0;
  std::string stationName;  // UTF-8
  int64_t seriesStart = 0;  // 64 bits: a series may run past January 2038
  std::vector<double> values;
  // Per value, whether a ten-minute slot of it is missing (archive data);
  // empty when none can be. Such an hour or day has no value: its cell shows
  // "-" as a cell without rain does, and it adds nothing to the totals.
  std::vector<bool> missing;

  // The value a table shows and sums for index i.
  double shownValue(size_t i) const { return i < missing.size() && missing[i] ? 0.0 : values[i]; }
};

// The snapshot of the document's series (already rebuilt for the table's
// interval).
TableSnapshot snapshotOf(const DisplaySeries& series, int64_t tableStart, const std::string& station);

// The table start of a month (kind HourlyMonth) or a year (DailyYear), or
// nothing when the date is not one the table dialog accepts.
std::optional<int64_t> tableStartTime(TableKind kind, int year, int month);
// 00:00 of the month or year after the table's.
int64_t tableEndTime(TableKind kind, int64_t tableStart);

// The snapshot built from a recording: the series of the table's interval
// and the table start. Nothing when the date is refused; a recording the
// builders refuse gives an empty series (the empty form).
std::optional<TableSnapshot> makeTableSnapshot(const RecordingBuffer& recording, TableKind kind, int year,
                                               int month, const std::string& station);

// The snapshot of a month's (HourlyMonth) or year's (DailyYear) slots of a
// station, whichever recordings they came from: the run should cover the
// table's period. The series runs from the first hour or day holding a
// present slot to the last one, so the table leaves the time before the
// first blank and stops after the last as it does for a recording; between
// them an hour or day with a missing slot is marked missing. Nothing when the
// date is refused or the run holds no present slot in the period.
std::optional<TableSnapshot> makeSlotTableSnapshot(const SlotRun& run, TableKind kind, int year, int month,
                                                   const std::string& station);

// The width in pixels of a text in the body font; empty: half the font
// height per character.
using TextWidth = std::function<int(const std::string&)>;

std::string tableCellText(double value);
// The cell text at its reference point (x, y) in the cell from cellLeft,
// cellWidth wide, moved left when wide, kept inside the cell's lines.
ReportText tableCell(int x, int y, double value, int bodyFontHeight, int cellLeft, int cellWidth,
                     const TextWidth& width = {});
