#include "TimeLabels.h"

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
  LocalDayClock clock;
  appendPlainTimeLabel(jst(2020, 1, 2, 0, 0), out, clock);
  EXPECT_EQ(out, "2020/01/02  0:00");
}

// The day clock gives what the local-time conversion gives, also across a
// change of offset within a day (tried in a zone that has one).
TEST(LocalDayClock, AgreesWithLocalTimeAcrossOffsetChanges) {
  const char* const zones[] = {"CET-1CEST,M3.5.0,M10.5.0/3", "JST-9"};
  for (const char* zone : zones) {
    setenv("TZ", zone, 1);
    tzset();
    LocalDayClock clock;
    int mismatches = 0;
    // 2024-03-30 to 2024-04-01 UTC, and the autumn change, every ten minutes.
    for (int64_t base : {INT64_C(1711756800), INT64_C(1729900800)}) {
      for (int64_t t = base; t < base + 3 * 86400; t += 600) {
        struct tm expected {};
        struct tm got {};
        const time_t tt = static_cast<time_t>(t);
        localtime_r(&tt, &expected);
        ASSERT_TRUE(clock.fields(t, got));
        if (got.tm_year != expected.tm_year || got.tm_mon != expected.tm_mon || got.tm_mday != expected.tm_mday ||
            got.tm_hour != expected.tm_hour || got.tm_min != expected.tm_min)
          ++mismatches;
      }
    }
    EXPECT_EQ(mismatches, 0) << zone;
  }
  setenv("TZ", "JST-9", 1);
  tzset();
}
