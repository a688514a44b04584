#pragma once
// DailyYearTable: the daily-rainfall yearly table ("日 雨 量 年 表") as plain
// data - one column per month, one row per day of the month, the month
// totals, the year's totals per day of the month with their grand total, the
// era line (the whole of 2019 counts as 令和 1), the station boxes and the
// station name.
//
// The page is filled from the snapshot's daily values, leaving the days
// before the recording blank, and stops at the last value with that month's
// sum so far; no value at or past the series' end is read, also when the
// series starts after the table or is empty.
//
// Does not draw: buildDailyYearTable gives the page, ReportRenderer draws it.

#include "ReportPage.h"
#include "TableSnapshot.h"

ReportPage buildDailyYearTable(const TableSnapshot& snapshot, const ReportRect& rect, int bodyFontHeight,
                               const TextWidth& width = {});

// The era line with the Western year of the table start.
std::string dailyYearEraLine(int64_t tableStart);
