// The tables as the tool writes them: column order, the number rules (one
// or two decimals, nothing where a value cannot be computed, never 0),
// ISO 8601 times on the logger's clock, flags, and the JSON form.
#include "AnalysisFormat.h"
#include "AnalysisTables.h"
#include "Slots.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(AnalysisFormat, NumbersAndTimes) {
  EXPECT_EQ(mm1Text(0.1 + 0.2), "0.3");
  EXPECT_EQ(mm1Text(12.0), "12.0");
  EXPECT_EQ(mm2Text(3.968502629920499), "3.97");
  EXPECT_EQ(mm1Text(kMissingMm), "");
  // The same digits as printf, which the text export writes with, also on
  // exact halves and sums that miss them by a binary digit.
  for (double v : {0.25, 0.125, 2.675, 0.05, 0.15, 1e-9, 0.30000000000000004, 1234.45, 99999.995, 0.0}) {
    char one[64], two[64];
    std::snprintf(one, sizeof one, "%.1f", v);
    std::snprintf(two, sizeof two, "%.2f", v);
    EXPECT_EQ(mm1Text(v), one) << v;
    EXPECT_EQ(mm2Text(v), two) << v;
  }
  EXPECT_EQ(mm2Text(kMissingMm), "");
  EXPECT_EQ(isoTimeText(localTime(2024, 12, 31, 23, 50)), "2024-12-31T23:50:00+09:00");
  EXPECT_EQ(isoTimeText(localTime(2025, 1, 1)), "2025-01-01T00:00:00+09:00");
  EXPECT_EQ(isoTimeText(localTime(2024, 2, 29, 9, 10)), "2024-02-29T09:10:00+09:00");
  EXPECT_EQ(hoursText(1.5), "1.5");
  EXPECT_EQ(hoursText(72), "72");
}

TEST(AnalysisTables, EventsInTheToolsColumnsAsCsvAndJson) {
  SlotsBuilder s;
  s.start = localTime(2024, 7, 1, 9);
  s.rain({1.0, 2.5}).dry(36).rain({0.5}).dry(2);
  StormEventOptions o;
  o.alarms.hourlyMm = 3.0;
  o.alarms.combinedContinuousMm = 1.0;
  o.alarms.combinedHourlyMm = 1.0;
  const AnalysisTable table = eventTable(findStormEvents(s.slots(), o), o.alarms);
  std::string csv;
  table.appendCsv(csv);
  EXPECT_EQ(csv,
            "start,end,duration_min,total_mm,peak10_mm,peak10_end,max60_mm,max60_end,mean_mm_per_h,dry_before_min,"
            "flags,alarm_hourly_at,alarm_combined_at\n"
            "2024-07-01T09:00:00+09:00,2024-07-01T09:20:00+09:00,20,3.5,2.5,2024-07-01T09:20:00+09:00,3.5,"
            "2024-07-01T09:20:00+09:00,10.50,,record-start,2024-07-01T09:20:00+09:00,2024-07-01T09:10:00+09:00\n"
            "2024-07-01T15:20:00+09:00,2024-07-01T15:30:00+09:00,10,0.5,0.5,2024-07-01T15:30:00+09:00,0.5,"
            "2024-07-01T15:30:00+09:00,3.00,360,record-end,,\n");
  std::string json;
  table.appendJson(json);
  EXPECT_EQ(json.substr(0, 2), "[\n");
  EXPECT_NE(json.find("\"total_mm\":3.5,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"dry_before_min\":null,\"flags\":\"record-start\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"dry_before_min\":360,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"alarm_hourly_at\":null,\"alarm_combined_at\":null}\n]\n"), std::string::npos) << json;

  std::string none;
  eventTable({}, {}).appendJson(none);
  EXPECT_EQ(none, "[]\n");
}

TEST(AnalysisTables, IndicesLeaveUnknownValuesEmptyAndFlagSpinUp) {
  SlotsBuilder s;
  s.rain({6.0}).missing(1).rain({0.0});
  const RainSlots rain = s.slots();
  std::string csv;
  appendIndicesCsv(rain, computeRainIndices(rain, 36, {1.5, 72.0}), csv);
  EXPECT_EQ(csv,
            "end,rain_mm,continuous_mm,effective_1.5h_mm,effective_72h_mm,swi_mm,spinup\n"
            "2024-07-01T00:10:00+09:00,6.0,6.0,6.00,6.00,6.00,1\n"
            "2024-07-01T00:20:00+09:00,,,,,,1\n"
            "2024-07-01T00:30:00+09:00,0.0,0.0,,,0.00,1\n");
}

TEST(AnalysisTables, MaximaRowsWithEmptyValues) {
  SlotsBuilder s;
  s.steady(3, 0.5);
  std::string csv;
  maximaTable(rainfallMaxima(s.slots(), PeriodKind::Whole)).appendCsv(csv);
  EXPECT_EQ(csv,
            "period,duration,max_mm,window_end\n"
            "whole,10min,0.5,2024-07-01T00:10:00+09:00\n"
            "whole,1h,,\nwhole,3h,,\nwhole,6h,,\nwhole,12h,,\nwhole,24h,,\nwhole,48h,,\nwhole,72h,,\n");
}
