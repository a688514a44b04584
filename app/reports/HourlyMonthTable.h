#pragma once
// HourlyMonthTable: the hourly-rainfall monthly table ("時 間 雨 量 月 表") as
// plain data - one column per day, one row per hour, the subtotals of the
// hours up to 9 o'clock and after, the day totals, the month's totals per
// hour, the Western year, the era line (令和 from May 2019), the station
// boxes and the station name.
//
// The page is filled from the snapshot's hourly values, starting at the
// table's first hour or leaving the hours before the recording blank, and
// stops at the last value: that day's running subtotal and its total
// (including the hours up to 9 o'clock already summed) are written, and the
// totals column is complete. No value at or past the series' end is read.
//
// Does not draw: buildHourlyMonthTable gives the page, ReportRenderer (and
// PrintHourlyMonthTable of the print job) draws it.

#include "ReportPage.h"
#include "TableSnapshot.h"

// The page of the table drawn in rect (X0, Y0, X1, Y1) with a body font of
// bodyFontHeight pixels (width: its text widths, see tableCell).
ReportPage buildHourlyMonthTable(const TableSnapshot& snapshot, const ReportRect& rect, int bodyFontHeight,
                                 const TextWidth& width = {});

// The era line of the table start: Heisei, Reiwa from May 2019, the era
// year left blank up to 1988.
std::string hourlyMonthEraLine(int64_t tableStart);
