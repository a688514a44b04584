#pragma once
// The calendar arithmetic of the recording's clock (local time, UTC+9), once
// for the whole program: rounding down to a ten-minute slot, days in a
// month, months counted forward or back, the 1st of a month. Plain
// functions. Local-time conversion and formatting are in LocalTime.h, the
// date-field checks in DateFields.h, the texts of labels in TimeLabels.h.

#include <cstdint>

// t rounded down to a multiple of 600 s, also before 1970 (-1 -> -600).
int64_t floorToTenMinutes(int64_t t);

// Days in a month of the Gregorian calendar (0 for a month outside 1..12):
// what a date typed into a dialog is checked against.
int daysInMonth(int year, int month);

// Days in a month with every fourth year a leap year (0 for a month outside
// 1..12). The monthly series, the tables and the printed pages count months
// by this rule, so 2100 has a 29 February there; it differs from
// daysInMonth only in 1900, 2100 and the like, and is kept on purpose so
// that a monthly bucket and its printed dates stay as they have always been.
int daysInMonthEveryFourthYearLeap(int year, int month);

// year and month (1..12) advanced by `months` calendar months; a negative
// count goes back, across year ends either way.
void addMonths(int year, int month, long long months, int& outYear, int& outMonth);

// 00:00 local time on the 1st of the month.
int64_t firstOfMonth(int year, int month);
