#include <gtest/gtest.h>

#include <climits>

#include "Calendar.h"
#include "DateFields.h"
#include "ShiftJis.h"

TEST(DateFields, CalendarChecksReportTheFirstFailingField) {
  EXPECT_EQ(CheckCalendarFields({1969, 12, 31, 23, 59, 59}), 1);
  EXPECT_EQ(CheckCalendarFields({2024, 13, 1, 0, 0, 0}), 2);
  EXPECT_EQ(CheckCalendarFields({2030, 2, 29, 0, 0, 0}), 3);
  EXPECT_EQ(CheckCalendarFields({2100, 2, 29, 0, 0, 0}), 3);  // 2100 is no leap year
  EXPECT_EQ(CheckCalendarFields({2000, 2, 29, 24, 0, 0}), 4);               // 2000 is one
  EXPECT_EQ(CheckCalendarFields({2028, 2, 29, 23, 60, 0}), 5);
  EXPECT_EQ(CheckCalendarFields({2028, 2, 29, 23, 59, 60}), 6);
  EXPECT_EQ(CheckCalendarFields({2024, 4, 31, 0, 0, 0}), 3);
  EXPECT_EQ(CheckCalendarFields({2024, 4, 30, 0, 0, 0}), 0);
}

TEST(DateFields, OnlyMomentsASigned32BitTimeHoldsAreValid) {
  // 1970-01-01 09:00 local is the epoch itself; an hour before lies before it.
  EXPECT_EQ(validLocalTime({1970, 1, 1, 9, 0, 0}), 0);
  EXPECT_FALSE(IsValidDateTime(1970, 1, 1, 8, 59, 59));
  // 2038-01-19 03:14:07 UTC is 12:14:07 local, the last second there is.
  EXPECT_EQ(validLocalTime({2038, 1, 19, 12, 14, 7}), INT32_MAX);
  EXPECT_FALSE(IsValidDateTime(2038, 1, 19, 12, 14, 8));
  EXPECT_FALSE(IsValidDateTime(99999, 1, 1, 0, 0, 0));
  EXPECT_TRUE(IsValidDateTime(2028, 2, 29, 0, 0, 0));
  EXPECT_FALSE(IsValidDateTime(2030, 2, 29, 0, 0, 0));
}

TEST(DateFields, FieldsReadLeadingDigitsLikeTheDialogs) {
  EXPECT_EQ(readDecimalField(""), 0);
  EXPECT_EQ(readDecimalField("  12.5"), 12);
  EXPECT_EQ(readDecimalField("-1"), -1);
  EXPECT_EQ(readDecimalField("x9"), 0);
  EXPECT_EQ(readDecimalField("99999999999999"), INT_MAX);
  EXPECT_EQ(readDecimalField("-99999999999999"), INT_MIN);
}

TEST(Calendar, MonthsTenMinutesAndTheTwoLeapRules) {
  int y = 0, m = 0;
  addMonths(2024, 11, 2, y, m);
  EXPECT_EQ(y * 100 + m, 202501);
  addMonths(2024, 1, -1, y, m);  // back across a year end
  EXPECT_EQ(y * 100 + m, 202312);
  addMonths(2024, 3, -27, y, m);
  EXPECT_EQ(y * 100 + m, 202112);
  addMonths(2024, 12, 0, y, m);
  EXPECT_EQ(y * 100 + m, 202412);

  EXPECT_EQ(floorToTenMinutes(1200), 1200);
  EXPECT_EQ(floorToTenMinutes(1799), 1200);
  EXPECT_EQ(floorToTenMinutes(-1), -600);  // down, not toward zero
  EXPECT_EQ(floorToTenMinutes(-600), -600);

  // Typed dates follow the Gregorian rule; monthly buckets every fourth year.
  EXPECT_EQ(daysInMonth(2100, 2), 28);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2100, 2), 29);
  EXPECT_EQ(daysInMonth(2000, 2), 29);
  EXPECT_EQ(daysInMonth(2025, 13), 0);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2025, 0), 0);
  EXPECT_EQ(firstOfMonth(2024, 3) - firstOfMonth(2024, 2), 29 * 86400);
}

TEST(DateFields, TypedTextsBecomeFieldsOneByOne) {
  const CalendarFields f = calendarFieldsOf(DateTexts{"2024", " 7", "x", "23abc", "-5"});
  EXPECT_EQ(f.year, 2024);
  EXPECT_EQ(f.month, 7);
  EXPECT_EQ(f.day, 0);
  EXPECT_EQ(f.hour, 23);
  EXPECT_EQ(f.minute, -5);
  EXPECT_EQ(f.second, 0);
}

TEST(ShiftJisText, CheckedEncodingRefusesWhatShiftJisLacks) {
  EXPECT_EQ(encodeShiftJis("ｱﾒ"), std::string("\xB1\xD2"));
  EXPECT_EQ(encodeShiftJis("雨量"), std::string("\x89\x4A\x97\xCA"));
  EXPECT_FALSE(encodeShiftJis("雨\xF0\x9F\x8C\xA7").has_value());  // an emoji
}

TEST(ShiftJisText, FieldsStopAtZeroAndNeverDecodeHalfACharacter) {
  const char full[4] = {'\x89', '\x4A', '\x97', '\xCA'};
  EXPECT_EQ(decodeShiftJisField(full, 4), "雨量");
  EXPECT_EQ(decodeShiftJisField(full, 3), "雨");
  const char shortName[4] = {'A', '\0', 'B', 'C'};
  EXPECT_EQ(decodeShiftJisField(shortName, 4), "A");
}
