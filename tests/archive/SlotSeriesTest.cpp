// Slots of a recording (the builder's closing 0 is not a sample), the
// series bucketed from slots with missing ones kept apart, and what the
// export lines and the sheets make of a missing slot.
#include "DailyYearTable.h"
#include "HourlyMonthTable.h"
#include "RecordingFixture.h"
#include "SlotSeries.h"
#include "TableGrid.h"
#include "TableSnapshot.h"
#include "TenMinuteSeries.h"
#include "TestClock.h"
#include "TextExport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
SlotRun runOf(int64_t start, std::vector<int32_t> tenths) {
  SlotRun run;
  run.start = start;
  run.tenths = std::move(tenths);
  return run;
}
constexpr int32_t M = SlotRun::kMissing;
}  // namespace

TEST(RecordingSlots, OneSlotPerSampleWithoutTheClosingZero) {
  // 0.5-mm words 1..4, then an unaligned start, then the 0.1-mm model whose
  // top bits are not rain, then a record interval the program refuses.
  const auto aligned = makeRecording(jst(2024, 7, 1, 9, 0), {1, 2, 3, 4});
  const auto run = recordingSlots(*aligned);
  ASSERT_TRUE(run);
  EXPECT_EQ(run->start, jst(2024, 7, 1, 9, 0));
  EXPECT_EQ(run->tenths, (std::vector<int32_t>{5, 10, 15, 20}));
  TenMinuteSeries series;
  ASSERT_EQ(series.build(*aligned), 1);
  EXPECT_EQ(series.valueCount, 5);  // the builder's closing 0 is there, and is no sample

  const auto late = makeRecording(jst(2024, 7, 1, 9, 7), {1, 2, 3});
  const auto lateRun = recordingSlots(*late);
  ASSERT_TRUE(lateRun);
  EXPECT_EQ(lateRun->start, jst(2024, 7, 1, 9, 0));
  EXPECT_EQ(lateRun->tenths, (std::vector<int32_t>{5, 10, 15}));

  const auto tenth = makeRecording(jst(2024, 7, 1, 9, 0), {0x0803, 7}, 0x2001);
  EXPECT_EQ(recordingSlots(*tenth)->tenths, (std::vector<int32_t>{3, 7}));

  EXPECT_FALSE(recordingSlots(*makeRecording(jst(2024, 7, 1, 9, 0), {1, 2}, 0x1001, "00060")));
  EXPECT_TRUE(recordingSlots(*makeRecording(jst(2024, 7, 1, 9, 0), {}))->tenths.empty());
}

TEST(SlotSeries, BucketsCountMissingSlotsAndSumOnlyPresentOnes) {
  // From 09:20: the 09:00 hour lacks 09:00 and 09:10 (outside the run), the
  // 10:00 hour lacks 10:30, the 11:00 hour is whole, 12:00 has one slot.
  std::vector<int32_t> t = {1, 2, 3, 4, 5, 6, 7, M, 9, 10, 11, 12, 13, 14, 15, 16, 17};
  const SlotRun run = runOf(jst(2024, 7, 1, 9, 20), t);
  const auto hourly = buildSlotSeries(IntervalMode::Hourly, run);
  ASSERT_EQ(hourly->valueCount, 4);
  EXPECT_EQ(hourly->startTime, jst(2024, 7, 1, 9, 0));
  EXPECT_EQ(hourly->missingSlots[0], 2);
  EXPECT_EQ(hourly->missingSlots[1], 1);
  EXPECT_EQ(hourly->missingSlots[2], 0);
  EXPECT_EQ(hourly->missingSlots[3], 5);
  EXPECT_DOUBLE_EQ(hourly->values[1], (5 + 6 + 7 + 9 + 10) / 10.0);
  EXPECT_DOUBLE_EQ(hourly->values[2], (11 + 12 + 13 + 14 + 15 + 16) / 10.0);

  // Export lines: the value of a bucket with a missing slot is left out; a
  // complete one is as ever (the ISO form is checked with the tool).
  std::string text;
  const ExportRequest request{IntervalMode::Hourly, hourly->startTime, 0, hourly->valueCount, ','};
  ASSERT_EQ(appendExportLines(*hourly, request, text), 4);
  EXPECT_EQ(text,
            "\"2024/07/01 10:00\",\n"
            "\"2024/07/01 11:00\",\n"
            "\"2024/07/01 12:00\",8.1\n"
            "\"2024/07/01 13:00\",\n");
  // Months and days at a month's end: the last hours of January and the
  // first of February.
  const SlotRun edge = runOf(jst(2024, 1, 31, 23, 0), std::vector<int32_t>(12, 1));
  const auto daily = buildSlotSeries(IntervalMode::Daily, edge);
  ASSERT_EQ(daily->valueCount, 2);
  EXPECT_EQ(daily->startTime, jst(2024, 1, 31, 0, 0));
  EXPECT_EQ(daily->missingSlots[0], 138);
  EXPECT_EQ(daily->missingSlots[1], 138);
  const auto monthly = buildSlotSeries(IntervalMode::Monthly, edge);
  ASSERT_EQ(monthly->valueCount, 2);
  EXPECT_EQ(monthly->missingSlots[0], 31 * 144 - 6);
  EXPECT_EQ(monthly->missingSlots[1], 29 * 144 - 6);  // 2024 is a leap year
  std::string months;
  appendExportLines(*monthly, {IntervalMode::Monthly, monthly->startTime, 0, 2, ';'}, months);
  EXPECT_EQ(months, "\"2024/01\";\n\"2024/02\";\n");
  EXPECT_EQ(buildSlotSeries(IntervalMode::TenMinute, edge)->valueCount, 12);
  EXPECT_EQ(buildSlotSeries(IntervalMode::Hourly, SlotRun{})->valueCount, 0);
}

TEST(SlotTableSnapshot, MissingHoursShowADashAndAddNothing) {
  // 2 July from 00:00: hour 0 whole (0.6 mm), hour 1 with a missing slot
  // (whatever rain the rest had), hour 2 whole but dry, hour 3 whole.
  std::vector<int32_t> t(24, 1);
  t[7] = M;
  for (int i = 12; i < 18; ++i) t[static_cast<size_t>(i)] = 0;
  t[23] = 40;
  // The run covers all of July; nothing before 2 July or after 03:50.
  SlotRun run = runOf(jst(2024, 7, 1, 0, 0), std::vector<int32_t>(31 * 144, M));
  std::copy(t.begin(), t.end(), run.tenths.begin() + 144);
  const auto snap = makeSlotTableSnapshot(run, TableKind::HourlyMonth, 2024, 7, "観測所");
  ASSERT_TRUE(snap);
  EXPECT_EQ(snap->seriesStart, jst(2024, 7, 2, 0, 0));
  ASSERT_EQ(snap->values.size(), 4u);
  const ReportPage page = buildHourlyMonthTable(*snap, ReportRect{100, 1000, 3500, 2807}, 20);
  // Columns are days, rows hours (1 = 0-1 o'clock); L = 100, N = 60, R = 7, t = 20.
  const TableGrid grid{100, 100, 1200, 60, 32, 27};
  const auto cells = grid.cells(page);
  EXPECT_EQ(TableGrid::at(cells, 1, 1), "");  // 1 July: before the first slot
  EXPECT_EQ(TableGrid::at(cells, 2, 1), "0.6");
  EXPECT_EQ(TableGrid::at(cells, 2, 2), "-");  // missing slot
  EXPECT_EQ(TableGrid::at(cells, 2, 3), "-");  // dry
  EXPECT_EQ(TableGrid::at(cells, 2, 4), "4.5");
  EXPECT_EQ(TableGrid::at(cells, 2, 5), "");   // after the last slot
  EXPECT_EQ(TableGrid::at(cells, 2, 10), "5.1");  // subtotal without the missing hour
  EXPECT_EQ(TableGrid::at(cells, 32, 2), "-");    // the hour's month total

  // A month the run holds nothing of is refused.
  EXPECT_FALSE(makeSlotTableSnapshot(runOf(jst(2024, 7, 1, 0, 0), std::vector<int32_t>(100, M)),
                                     TableKind::HourlyMonth, 2024, 7, ""));
  EXPECT_FALSE(makeSlotTableSnapshot(run, TableKind::HourlyMonth, 2024, 8, ""));
}
