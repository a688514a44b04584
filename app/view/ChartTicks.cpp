#include "ChartTicks.h"

#include "Calendar.h"
#include "LocalTime.h"

#include <cstdio>
#include <ctime>
#include <iterator>

namespace {

struct Row {
  double factor;  // the row applies when p > factor * W
  int skip;
};

// Steps are always (skip + 1) bar lengths, so the rows keep only the skip.
constexpr Row kHourly[] = {
    {0.2, 0},           {0.04, 2},          {0.02, 5},          {1.0 / 150, 11},
    {1.0 / 300, 23},    {1.0 / 900, 47},    {1.0 / 1200, 95},   {1.0 / 1500, 185},
    {0.0005, 391},      {1.0 / 4500, 575},  {1.0 / 7000, 783},  {1.0 / 9700, 1567},
};
constexpr Row kDaily[] = {
    {0.1, 0}, {0.025, 3}, {0.0125, 6}, {1.0 / 120, 13}, {0.005, 20}, {1.0 / 280, 48}, {1.0 / 410, 62},
};
constexpr Row kTenMinute[] = {
    {0.1, 0},     {1.0 / 30, 2},  {0.02, 5},    {0.01, 8},         {1.0 / 150, 11},
    {0.004, 29},  {0.002, 71},    {0.001, 99},  {0.0005, 199},     {0.0002, 499},
    {0.0001, 999}, {1.0 / 30000, 2999}, {1.0 / 60000, 5999},
};

template <size_t N>
ChartTicks::Spacing lookUp(const Row (&rows)[N], double p, double w, int n, int64_t bar) {
  ChartTicks::Spacing result;
  for (const Row& row : rows) {
    if (p > row.factor * w) {
      result.skip = row.skip;
      result.stepSeconds = (row.skip + 1) * bar;
      result.fromTable = true;
      return result;
    }
  }
  // Past the last row: keep doubling its bars per label until labels are far
  // enough apart; once one label spans all n bars nothing more can change.
  int64_t bars = rows[N - 1].skip + 1;
  while (bars * p < ChartTicks::kMinLabelSpacing && bars < n) bars *= 2;
  result.skip = static_cast<int>(bars - 1);
  result.stepSeconds = bars * bar;
  return result;
}

}  // namespace

ChartTicks::Spacing ChartTicks::spacing(IntervalMode mode, double p, double w, int n) {
  int64_t bar = barSeconds(mode);
  switch (mode) {
    case IntervalMode::Hourly: return lookUp(kHourly, p, w, n, bar);
    case IntervalMode::Daily: return lookUp(kDaily, p, w, n, bar);
    case IntervalMode::TenMinute: return lookUp(kTenMinute, p, w, n, bar);
    case IntervalMode::Monthly: break;
  }
  return Spacing{0, 0, true};
}

ChartTicks::TwoRows ChartTicks::hourlyLabels(int64_t t, bool first) {
  TwoRows rows;
  rows.time = formatLocal(t, "%H'");
  int64_t dateTime = t;
  if (rows.time == "00'") {
    rows.time = "24'";
    dateTime = t - 3600;
  }
  rows.date = formatLocal(dateTime, first ? "%Y/%m/%d" : "%m/%d");
  return rows;
}

std::string ChartTicks::dailyLabel(int64_t t, bool first) {
  return formatLocal(t - 86400, first ? "%Y/%m/%d" : "%m/%d");
}

ChartTicks::TwoRows ChartTicks::tenMinuteLabels(int64_t t, bool first) {
  int64_t rounded = floorToTenMinutes(t);
  return TwoRows{formatLocal(rounded, first ? "%Y/%m/%d" : "%m/%d"), formatLocal(rounded, "%H:%M")};
}

std::string ChartTicks::monthlyLabel(int startYear, int v, bool first, bool* withYear) {
  // v counts months from December of the year before: v = 1 is January of
  // startYear, v = 13 January of the next year, and so on without limit.
  int year = 0, month = 0;
  addMonths(startYear, 1, v - 1, year, month);
  *withYear = first || month == 1;
  // The axis writes the month without the leading zero of appendMonthLabel
  // (the export's and the lists' label): "2024/7" and "7", not "2024/07".
  char text[32];
  if (*withYear) {
    std::snprintf(text, sizeof text, "%d/%d", year, month);
  } else {
    std::snprintf(text, sizeof text, "%d", month);
  }
  return text;
}
