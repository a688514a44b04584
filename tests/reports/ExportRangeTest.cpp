#include "ExportRange.h"

#include "RecordingFixture.h"
#include "TestClock.h"

#include <gtest/gtest.h>

namespace {
DateTexts at(int y, int mo, int d, int h, int mi) {
  return {std::to_string(y), std::to_string(mo), std::to_string(d), std::to_string(h), std::to_string(mi)};
}

// Two days and a bit from 2024-06-01 10:05, 0.5 mm every ten minutes.
std::unique_ptr<RecordingBuffer> june() { return makeSteady(jst(2024, 6, 1, 10, 5), 2 * 144 + 30); }
}  // namespace

TEST(ExportRange, EmptyFieldsAndEndAtOrBeforeStartAreRefused) {
  auto rec = june();
  const GivenRange empty = givenExportRange(*rec, IntervalMode::Hourly, {}, {}, ',');
  EXPECT_EQ(empty.check, RangeCheck::DateInvalid);
  EXPECT_STREQ(rangeCheckMessage(empty.check), "日付・時刻に誤りがあります。");
  EXPECT_EQ(givenExportRange(*rec, IntervalMode::Hourly, at(2024, 6, 1, 12, 0), at(2024, 2, 30, 12, 0), ',').check,
            RangeCheck::DateInvalid);
  const GivenRange same = givenExportRange(*rec, IntervalMode::Hourly, at(2024, 6, 1, 12, 0), at(2024, 6, 1, 12, 0), ',');
  EXPECT_EQ(same.check, RangeCheck::EndInvalid);
  EXPECT_STREQ(rangeCheckMessage(same.check), "終了時間に誤りがあります。");
  // Minutes do not count for hours: 12:00 to 12:40 is the same hour.
  EXPECT_EQ(givenExportRange(*rec, IntervalMode::Hourly, at(2024, 6, 1, 12, 0), at(2024, 6, 1, 12, 40), ',').check,
            RangeCheck::EndInvalid);
  // Past the recording's end (10:00 + 318 x 600 s = 2024-06-03 15:00).
  EXPECT_EQ(givenExportRange(*rec, IntervalMode::TenMinute, at(2024, 6, 3, 14, 0), at(2024, 6, 3, 15, 10), ',').check,
            RangeCheck::EndInvalid);
  EXPECT_EQ(givenExportRange(*rec, IntervalMode::TenMinute, at(2024, 6, 3, 14, 0), at(2024, 6, 3, 15, 0), ',').check,
            RangeCheck::Ok);
  // 2040 is past what a 32-bit time holds.
  EXPECT_EQ(givenExportRange(*rec, IntervalMode::Hourly, at(2024, 6, 1, 12, 0), at(2040, 1, 1, 0, 0), ',').check,
            RangeCheck::DateInvalid);
}

TEST(ExportRange, StartsBeforeTheRecordingByInterval) {
  auto rec = june();
  // The recording's own first hour moves one hour on; an earlier hour is refused.
  const GivenRange hour = givenExportRange(*rec, IntervalMode::Hourly, at(2024, 6, 1, 10, 0), at(2024, 6, 1, 13, 0), ',');
  ASSERT_EQ(hour.check, RangeCheck::Ok);
  EXPECT_EQ(hour.request.startTime, jst(2024, 6, 1, 11, 0));
  EXPECT_EQ(hour.request.startIndex, 1);
  EXPECT_EQ(hour.request.count, 2);
  EXPECT_EQ(givenExportRange(*rec, IntervalMode::Hourly, at(2024, 6, 1, 9, 0), at(2024, 6, 1, 13, 0), ',').check,
            RangeCheck::StartInvalid);
  // Ten minutes allow nothing, not even the same ten minutes.
  const GivenRange ten =
      givenExportRange(*rec, IntervalMode::TenMinute, at(2024, 6, 1, 10, 0), at(2024, 6, 1, 13, 0), ',');
  EXPECT_EQ(ten.check, RangeCheck::StartInvalid);
  EXPECT_STREQ(rangeCheckMessage(ten.check), "開始時間に誤りがあります。");
  // The recording's first day moves one day on.
  const GivenRange day = givenExportRange(*rec, IntervalMode::Daily, at(2024, 6, 1, 0, 0), at(2024, 6, 3, 0, 0), ',');
  ASSERT_EQ(day.check, RangeCheck::Ok);
  EXPECT_EQ(day.request.startTime, jst(2024, 6, 2, 0, 0));
  EXPECT_EQ(day.request.startIndex, 0);
  EXPECT_EQ(day.request.count, 1);
  EXPECT_EQ(givenExportRange(*rec, IntervalMode::Monthly, at(2024, 6, 1, 0, 0), at(2024, 6, 1, 0, 0), ',').check,
            RangeCheck::StartInvalid);
}

TEST(ExportRange, CountsByInterval) {
  // 2024-03-01 00:00 to the middle of April 2025.
  auto rec = makeSteady(jst(2024, 3, 1, 0, 0), (366 + 45) * 144);
  // 10:27 is lowered to 10:20.
  const GivenRange ten =
      givenExportRange(*rec, IntervalMode::TenMinute, at(2024, 3, 2, 10, 27), at(2024, 3, 2, 11, 5), ',');
  ASSERT_EQ(ten.check, RangeCheck::Ok);
  EXPECT_EQ(ten.request.startTime, jst(2024, 3, 2, 10, 20));
  EXPECT_EQ(ten.request.startIndex, 144 + 62);
  EXPECT_EQ(ten.request.count, 4);
  // Day D to D + 2 is two days.
  const GivenRange days = givenExportRange(*rec, IntervalMode::Daily, at(2024, 3, 5, 7, 0), at(2024, 3, 7, 0, 0), ',');
  ASSERT_EQ(days.check, RangeCheck::Ok);
  EXPECT_EQ(days.request.startIndex, 4);
  EXPECT_EQ(days.request.count, 2);
  // One month entered as start and end is one line.
  const GivenRange one = givenExportRange(*rec, IntervalMode::Monthly, at(2024, 5, 9, 0, 0), at(2024, 5, 20, 0, 0), ',');
  ASSERT_EQ(one.check, RangeCheck::Ok);
  EXPECT_EQ(one.request.startIndex, 2);
  EXPECT_EQ(one.request.count, 1);
  // Months are counted across the turn of the year.
  const GivenRange year = givenExportRange(*rec, IntervalMode::Monthly, at(2024, 3, 1, 0, 0), at(2025, 2, 1, 0, 0), ',');
  ASSERT_EQ(year.check, RangeCheck::Ok);
  EXPECT_EQ(year.request.startIndex, 0);
  EXPECT_EQ(year.request.count, 12);
  const GivenRange more = givenExportRange(*rec, IntervalMode::Monthly, at(2024, 3, 1, 0, 0), at(2025, 4, 1, 0, 0), ',');
  ASSERT_EQ(more.check, RangeCheck::Ok);
  EXPECT_EQ(more.request.count, 14);
  std::string out;
  ASSERT_EQ(exportSeriesText(*rec, more.request, out), ExportStatus::Written);
  EXPECT_EQ(out.substr(0, 10), "\"2024/03\",");
  EXPECT_EQ(out.substr(out.size() - 17), "\"2025/04\",1080.0\n");
  // A month past the series' last one is refused.
  EXPECT_EQ(givenExportRange(*rec, IntervalMode::Monthly, at(2024, 3, 1, 0, 0), at(2025, 5, 1, 0, 0), ',').check,
            RangeCheck::EndInvalid);
}

TEST(ExportRange, GraphAndWholeRangesStayInsideTheSeries) {
  auto rec = makeSteady(jst(2024, 1, 31, 10, 0), 24 * 6 * 40);
  // Monthly graph from the first bucket of a recording starting 31 January.
  ShownSeriesSpan g{IntervalMode::Monthly, 0, 2, 2, jst(2024, 2, 1, 0, 0)};
  const TimeSpan monthly = exportGraphSpan(*rec, g);
  EXPECT_EQ(monthly.start, jst(2024, 2, 1, 0, 0));
  EXPECT_EQ(monthly.end, jst(2024, 1, 31, 10, 0) + (24 * 6 * 40 - 1) * 600);

  ShownSeriesSpan tenMinute{IntervalMode::TenMinute, 5, 100, 60, jst(2024, 1, 31, 10, 0)};
  const TimeSpan span = exportGraphSpan(*rec, tenMinute);
  EXPECT_EQ(span.start, jst(2024, 1, 31, 10, 50));
  const ExportRequest r = graphExportRequest(tenMinute, span.start, '\t');
  EXPECT_EQ(r.startIndex, 5);
  EXPECT_EQ(r.count, 55);
  const ExportRequest whole = wholeExportRequest(tenMinute, ';');
  EXPECT_EQ(whole.startTime, jst(2024, 1, 31, 10, 0));
  EXPECT_EQ(whole.count, 60);
}
