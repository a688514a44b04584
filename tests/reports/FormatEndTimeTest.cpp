#include "FormatEndTime.h"

#include "TestClock.h"

#include <gtest/gtest.h>

namespace {
std::string label(int64_t t, int mode, char sep = '/') {
  std::string out;
  FormatEndTime(t, out, sep, mode);
  return out;
}
}  // namespace

TEST(FormatEndTime, MidnightRulesOfBothModes) {
  // Mode 0 (export): any time in hour 0 is written as hour 24 of the day before.
  EXPECT_EQ(label(jst(2020, 1, 2, 0, 0), 0), "2020/01/01 24:00");
  EXPECT_EQ(label(jst(2020, 1, 2, 0, 10), 0), "2020/01/01 24:10");
  EXPECT_EQ(label(jst(2021, 1, 1, 0, 0), 0), "2020/12/31 24:00");
  EXPECT_EQ(label(jst(2020, 1, 1, 1, 0), 0), "2020/01/01  1:00");
  EXPECT_EQ(label(jst(2020, 1, 1, 23, 50), 0), "2020/01/01 23:50");
  // Mode 1 (data list): only 00:00 itself becomes 24:00.
  EXPECT_EQ(label(jst(2024, 5, 2, 0, 0), 1), "2024/05/01 ～24:00");
  EXPECT_EQ(label(jst(2024, 5, 2, 0, 10), 1), "2024/05/02 ～ 0:10");
  EXPECT_EQ(label(jst(2024, 3, 1, 0, 0), 1), "2024/02/29 ～24:00");
  EXPECT_EQ(label(jst(2024, 5, 2, 1, 0), 1, '-'), "2024-05-02 ～ 1:00");
}

TEST(FormatEndTime, UnconvertibleTimeIsAQuestionMarkAndLabelsAppend) {
  std::string out = "x";
  FormatEndTime(INT64_C(1) << 60, out, '/', 0);
  EXPECT_EQ(out, "x?");
  appendMonthLabel(2020, 3, out);
  appendMonthLabel(2020, 11, out);
  EXPECT_EQ(out, "x?2020/032020/11");
  out.clear();
  appendPlainTimeLabel(jst(2020, 1, 2, 0, 0), out);
  EXPECT_EQ(out, "2020/01/02  0:00");
}
