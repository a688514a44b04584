// The label tables of each interval mode, the spacing past their last rows,
// and the label texts (midnight rule, ten-minute rounding, monthly years).
#include "ChartTicks.h"

#include "TestClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct TableRow {
  double factor;
  int skip;
  int64_t step;
};

// The rows as the chart's label table gives them, steps included, so that a
// wrong skip shows up as a wrong step.
const std::vector<TableRow> kHourly = {
    {0.2, 0, 3600},         {0.04, 2, 10800},        {0.02, 5, 21600},
    {1.0 / 150, 11, 43200}, {1.0 / 300, 23, 86400},  {1.0 / 900, 47, 172800},
    {1.0 / 1200, 95, 345600}, {1.0 / 1500, 185, 669600}, {1.0 / 2000, 391, 1411200},
    {1.0 / 4500, 575, 2073600}, {1.0 / 7000, 783, 2822400}, {1.0 / 9700, 1567, 5644800}};
const std::vector<TableRow> kDaily = {
    {0.1, 0, 86400},          {0.025, 3, 345600},     {0.0125, 6, 604800}, {1.0 / 120, 13, 1209600},
    {0.005, 20, 1814400},     {1.0 / 280, 48, 4233600}, {1.0 / 410, 62, 5443200}};
const std::vector<TableRow> kTenMinute = {
    {0.1, 0, 600},          {1.0 / 30, 2, 1800},       {0.02, 5, 3600},       {0.01, 8, 5400},
    {1.0 / 150, 11, 7200},  {0.004, 29, 18000},        {0.002, 71, 43200},    {0.001, 99, 60000},
    {0.0005, 199, 120000},  {0.0002, 499, 300000},     {0.0001, 999, 600000}, {1.0 / 30000, 2999, 1800000},
    {1.0 / 60000, 5999, 3600000}};

void checkTable(IntervalMode mode, const std::vector<TableRow>& rows) {
  const double w = 1234.0;
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    double threshold = rows[i].factor * w;
    // Just above the threshold: this row, read from the top.
    ChartTicks::Spacing above = ChartTicks::spacing(mode, std::nextafter(threshold, 1e9), w, 100000);
    EXPECT_TRUE(above.fromTable);
    EXPECT_EQ(above.skip, rows[i].skip);
    EXPECT_EQ(above.stepSeconds, rows[i].step);
    // Exactly on it: the comparison is strict, so the next row (or past the
    // table) answers.
    ChartTicks::Spacing on = ChartTicks::spacing(mode, threshold, w, 100000);
    if (i + 1 < rows.size()) {
      EXPECT_EQ(on.skip, rows[i + 1].skip);
    } else {
      EXPECT_FALSE(on.fromTable);
    }
  }
}

}  // namespace

TEST(ChartTicks, TablesAreReadFromTheTopWithStrictThresholds) {
  checkTable(IntervalMode::Hourly, kHourly);
  checkTable(IntervalMode::Daily, kDaily);
  checkTable(IntervalMode::TenMinute, kTenMinute);
}

TEST(ChartTicks, MonthlyLabelsEveryBar) {
  ChartTicks::Spacing s = ChartTicks::spacing(IntervalMode::Monthly, 0.01, 1000, 14);
  EXPECT_EQ(s.skip, 0);
  EXPECT_EQ(s.stepSeconds, 0);
}

TEST(ChartTicks, PastTheTableLabelsStayAtLeastEightyPixelsApart) {
  // A whole ten-minute recording of the largest size on charts of several
  // widths, and a whole hourly and daily one.
  struct Case {
    IntervalMode mode;
    int n;
    int w;
    int lastRowBars;
  } cases[] = {{IntervalMode::TenMinute, 59874, 1530, 6000}, {IntervalMode::TenMinute, 59874, 571, 6000},
               {IntervalMode::TenMinute, 59874, 200, 6000},  {IntervalMode::Hourly, 9980, 571, 1568},
               {IntervalMode::Hourly, 9980, 300, 1568},      {IntervalMode::Daily, 417, 571, 63},
               {IntervalMode::Daily, 417, 120, 63}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    SCOPED_TRACE(c.w);
    double p = (c.w - 4) / static_cast<double>(c.n);
    ChartTicks::Spacing s = ChartTicks::spacing(c.mode, p, c.w, c.n);
    ASSERT_FALSE(s.fromTable);
    int bars = s.skip + 1;
    EXPECT_TRUE(bars * p >= ChartTicks::kMinLabelSpacing || bars >= c.n);
    // The last row's spacing, doubled only as often as needed.
    EXPECT_EQ(bars % c.lastRowBars, 0);
    if (bars > c.lastRowBars) {
      EXPECT_LT((bars / 2) * p, ChartTicks::kMinLabelSpacing);
      EXPECT_LT(bars / 2, c.n);
    }
    EXPECT_EQ(s.stepSeconds, bars * barSeconds(c.mode));
  }
  // Far apart already: the last row's spacing is kept.
  ChartTicks::Spacing kept = ChartTicks::spacing(IntervalMode::TenMinute, 1526.0 / 59874, 1530, 59874);
  EXPECT_EQ(kept.skip, 5999);
  ChartTicks::Spacing doubled = ChartTicks::spacing(IntervalMode::TenMinute, 567.0 / 59874, 571, 59874);
  EXPECT_EQ(doubled.skip, 11999);
}

TEST(ChartTicks, HourlyMidnightBelongsToThePreviousDay) {
  ChartTicks::TwoRows midnight = ChartTicks::hourlyLabels(jst(2024, 3, 1, 0, 0), true);
  EXPECT_EQ(midnight.time, "24'");
  EXPECT_EQ(midnight.date, "2024/02/29");
  ChartTicks::TwoRows later = ChartTicks::hourlyLabels(jst(2025, 1, 1, 0, 0), false);
  EXPECT_EQ(later.time, "24'");
  EXPECT_EQ(later.date, "12/31");
  ChartTicks::TwoRows one = ChartTicks::hourlyLabels(jst(2025, 1, 1, 1, 0), false);
  EXPECT_EQ(one.time, "01'");
  EXPECT_EQ(one.date, "01/01");
}

TEST(ChartTicks, DailyLabelsNameTheDayThatEnds) {
  EXPECT_EQ(ChartTicks::dailyLabel(jst(2024, 1, 1, 0, 0), true), "2023/12/31");
  EXPECT_EQ(ChartTicks::dailyLabel(jst(2024, 3, 1, 0, 0), false), "02/29");
}

TEST(ChartTicks, TenMinuteTimesRoundDown) {
  ChartTicks::TwoRows r = ChartTicks::tenMinuteLabels(jst(2024, 12, 31, 23, 59, 59), true);
  EXPECT_EQ(r.date, "2024/12/31");
  EXPECT_EQ(r.time, "23:50");
  EXPECT_EQ(ChartTicks::tenMinuteLabels(jst(2024, 6, 1, 12, 10), false).time, "12:10");
  EXPECT_EQ(ChartTicks::tenMinuteLabels(jst(2024, 6, 1, 12, 19, 1), false).date, "06/01");
}

TEST(ChartTicks, MonthlyYearCarriesOverEveryTwelveMonths) {
  bool withYear = false;
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 11, true, &withYear), "2023/11");
  EXPECT_TRUE(withYear);
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 12, false, &withYear), "12");
  EXPECT_FALSE(withYear);
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 13, false, &withYear), "2024/1");
  EXPECT_TRUE(withYear);
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 24, false, &withYear), "12");
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 25, false, &withYear), "2025/1");
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 36, true, &withYear), "2025/12");
  // Past three years the count keeps carrying.
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 37, false, &withYear), "2026/1");
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 40, true, &withYear), "2026/4");
  EXPECT_EQ(ChartTicks::monthlyLabel(2023, 40, false, &withYear), "4");
}
