#include "DateFields.h"

#include <climits>

#include "Calendar.h"
#include "LocalTime.h"

int CheckCalendarFields(const CalendarFields& f) {
  if (f.year < 1970) return 1;
  if (f.month < 1 || f.month > 12) return 2;
  if (f.day < 1 || f.day > daysInMonth(f.year, f.month)) return 3;
  if (f.hour < 0 || f.hour > 23) return 4;
  if (f.minute < 0 || f.minute > 59) return 5;
  if (f.second < 0 || f.second > 59) return 6;
  return 0;
}

std::optional<int32_t> validLocalTime(const CalendarFields& f) {
  if (CheckCalendarFields(f) != 0) return std::nullopt;
  // Years far past 2038 are refused before mktime sees them.
  if (f.year > 2039) return std::nullopt;
  struct tm fields {};
  fields.tm_year = f.year - 1900;
  fields.tm_mon = f.month - 1;
  fields.tm_mday = f.day;
  fields.tm_hour = f.hour;
  fields.tm_min = f.minute;
  fields.tm_sec = f.second;
  int64_t t = fromLocal(fields);
  if (t < 0 || t > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(t);
}

bool IsValidDateTime(int year, int month, int day, int hour, int minute, int second) {
  return validLocalTime(CalendarFields{year, month, day, hour, minute, second}).has_value();
}

int readDecimalField(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
  }
  return static_cast<int>(negative ? -value : value);
}

DateTexts dateTextsAt(int64_t t) {
  return DateTexts{formatLocal(t, "%Y"), formatLocal(t, "%m"), formatLocal(t, "%d"), formatLocal(t, "%H"),
                   formatLocal(t, "%M")};
}

CalendarFields calendarFieldsAt(int64_t t) {
  const struct tm f = toLocal(t);
  return {f.tm_year + 1900, f.tm_mon + 1, f.tm_mday, f.tm_hour, f.tm_min, f.tm_sec};
}

CalendarFields calendarFieldsOf(const DateTexts& t) {
  return CalendarFields{readDecimalField(t.year), readDecimalField(t.month), readDecimalField(t.day),
                        readDecimalField(t.hour), readDecimalField(t.minute), 0};
}
