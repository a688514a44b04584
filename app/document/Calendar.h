#pragma once
// The calendar arithmetic of the recording's clock (local time, UTC+9), once
// for the whole program: rounding down to a ten-minute slot, months counted
// forward, the 1st of a month. Plain functions; the date-field checks are in
// DateFields.h, the texts of labels in TimeLabels.h.

#include <cstdint>

// t rounded down to a multiple of 600 s, also before 1970 (-1 -> -600).
int64_t floorToTenMinutes(int64_t t);

// year and month advanced by `months` calendar months (months >= 0 or any
// count that keeps the result at or after year 0).
void addMonths(int year, int month, int months, int& outYear, int& outMonth);

// 00:00 local time on the 1st of the month.
int64_t firstOfMonth(int year, int month);
