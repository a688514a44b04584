#pragma once
// The date-time check shared by every dialog where a user types a date and a
// time into separate fields (data list integration, range save, record
// conditions, text export, the horizontal scale, table printing, the
// reservation). Fields are checked one by one before anything converts them,
// so a 30 February is refused instead of becoming 2 March, and only moments
// a recording's signed 32-bit start time can hold are accepted.

#include "DateTexts.h"

#include <cstdint>
#include <optional>
#include <string_view>

struct CalendarFields {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// 0 when valid, otherwise the first failing check: 1 year before 1970,
// 2 month outside 1..12, 3 day outside the month (Gregorian leap rule),
// 4 hour outside 0..23, 5 minute outside 0..59, 6 second outside 0..59.
int CheckCalendarFields(const CalendarFields& f);

// True when the fields pass CheckCalendarFields and the local time (UTC+9)
// they name lies between 1970-01-01 00:00:00 UTC and the last second of a
// signed 32-bit time.
bool IsValidDateTime(int year, int month, int day, int hour, int minute, int second);

// The time the fields name, when IsValidDateTime accepts them.
std::optional<int32_t> validLocalTime(const CalendarFields& f);

// An edit's text read as a decimal number the way the dialogs read it:
// leading blanks, an optional sign, then digits up to the first other
// character; a blank or non-numeric text reads as 0. A value too large for
// an int reads as INT_MAX (or INT_MIN), which every range check refuses.
int readDecimalField(std::string_view text);

// The five typed fields read one by one with readDecimalField; second 0.
// The one conversion from typed date texts to numbers.
CalendarFields calendarFieldsOf(const DateTexts& texts);

// The local date and time of t (UTC+9) as a dialog pre-fills its fields:
// "%Y", "%m", "%d", "%H", "%M" ("2026", "07", "05", "09", "00").
DateTexts dateTextsAt(int64_t t);
// The local-time (UTC+9) fields of time t, seconds included.
CalendarFields calendarFieldsAt(int64_t t);
