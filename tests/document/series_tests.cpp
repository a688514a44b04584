// The four series builders: where the first bucket starts, which samples a
// bucket takes, how many buckets there are, and the calendar helpers.
#include "Calendar.h"
#include "DailySeries.h"
#include "HourlySeries.h"
#include "MonthlySeries.h"
#include "RecordingFixture.h"
#include "TenMinuteSeries.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace {

double total(const RainSeries& s) { return std::accumulate(s.values.get(), s.values.get() + s.valueCount, 0.0); }

template <class Series>
std::unique_ptr<Series> built(const RecordingBuffer& rec) {
  auto s = std::make_unique<Series>();
  EXPECT_EQ(s->build(rec), 1);
  return s;
}

}  // namespace

TEST(SeriesClock, TestsRunOnTheRecordingsClock) {
  // 1970-01-01 09:00 in UTC+9 is the epoch.
  EXPECT_EQ(jst(1970, 1, 1, 9, 0), 0);
}

TEST(SeriesStart, HourlyToleratesTenMinutesPastTheHour) {
  EXPECT_EQ(built<HourlySeries>(*makeSteady(jst(2025, 5, 1, 10, 9), 12))->startTime, jst(2025, 5, 1, 10, 0));
  EXPECT_EQ(built<HourlySeries>(*makeSteady(jst(2025, 5, 1, 10, 9, 59), 12))->startTime, jst(2025, 5, 1, 10, 0));
  EXPECT_EQ(built<HourlySeries>(*makeSteady(jst(2025, 5, 1, 10, 10), 12))->startTime, jst(2025, 5, 1, 11, 0));
  EXPECT_EQ(built<HourlySeries>(*makeSteady(jst(2025, 12, 31, 23, 30), 12))->startTime, jst(2026, 1, 1, 0, 0));
}

TEST(SeriesStart, SamplesBeforeTheFirstHourAreCountedNowhere) {
  // 10:10 .. 10:50 fall before the 11:00 bucket.
  auto rec = makeRecording(jst(2025, 5, 1, 10, 10), {1, 1, 1, 1, 1, 2, 2});
  auto h = built<HourlySeries>(*rec);
  ASSERT_EQ(h->valueCount, 1);
  EXPECT_DOUBLE_EQ(h->values[0], 2.0);
}

TEST(SeriesStart, DailyToleratesTenMinutesPastMidnightOnly) {
  EXPECT_EQ(built<DailySeries>(*makeSteady(jst(2025, 5, 1, 0, 9), 3))->startTime, jst(2025, 5, 1, 0, 0));
  EXPECT_EQ(built<DailySeries>(*makeSteady(jst(2025, 5, 1, 0, 10), 3))->startTime, jst(2025, 5, 2, 0, 0));
  EXPECT_EQ(built<DailySeries>(*makeSteady(jst(2025, 5, 1, 1, 0), 3))->startTime, jst(2025, 5, 2, 0, 0));
  // Midnight local time, not UTC.
  EXPECT_EQ(built<DailySeries>(*makeSteady(jst(2024, 1, 1, 0, 5), 3))->startTime, jst(2024, 1, 1, 0, 0));
}

TEST(SeriesStart, MonthlyStartsThisMonthOnlyAtTheFirstMinute) {
  EXPECT_EQ(built<MonthlySeries>(*makeSteady(jst(2025, 3, 1, 0, 0, 59), 3))->startTime, jst(2025, 3, 1, 0, 0));
  EXPECT_EQ(built<MonthlySeries>(*makeSteady(jst(2025, 3, 1, 0, 1), 3))->startTime, jst(2025, 4, 1, 0, 0));
  EXPECT_EQ(built<MonthlySeries>(*makeSteady(jst(2025, 3, 2, 0, 0), 3))->startTime, jst(2025, 4, 1, 0, 0));
  EXPECT_EQ(built<MonthlySeries>(*makeSteady(jst(2025, 12, 1, 0, 1), 3))->startTime, jst(2026, 1, 1, 0, 0));
  EXPECT_EQ(built<MonthlySeries>(*makeSteady(jst(2025, 12, 31, 23, 50), 3))->startTime, jst(2026, 1, 1, 0, 0));
}

TEST(SeriesStart, TenMinuteRoundsDownToTheSlot) {
  EXPECT_EQ(built<TenMinuteSeries>(*makeSteady(jst(2025, 5, 1, 10, 7, 30), 3))->startTime, jst(2025, 5, 1, 10, 0));
  EXPECT_EQ(built<TenMinuteSeries>(*makeSteady(jst(2025, 5, 1, 10, 10), 3))->startTime, jst(2025, 5, 1, 10, 10));
}

TEST(SeriesBuckets, EmptyRecordingGivesOneEmptyBucketEverywhere) {
  auto rec = makeRecording(jst(2025, 5, 1, 10, 0), {});
  for (RainSeries* s : std::initializer_list<RainSeries*>{new HourlySeries, new DailySeries, new TenMinuteSeries,
                                                          new MonthlySeries}) {
    std::unique_ptr<RainSeries> owned(s);
    ASSERT_EQ(s->build(*rec), 1);
    EXPECT_EQ(s->valueCount, 1);
    EXPECT_DOUBLE_EQ(s->values[0], 0.0);
  }
}

TEST(SeriesBuckets, TheLastSecondOfABucketBelongsToNoBucket) {
  // Stamps at 09:59:59, 10:09:59, ... 10:59:59, 11:09:59. The hourly series
  // starts at 10:00; the sample of 10:59:59 is in neither 10:00 nor 11:00.
  std::vector<uint16_t> words = {100, 1, 1, 1, 1, 1, 50, 2};
  auto rec = makeRecording(jst(2025, 5, 1, 9, 59, 59), words);
  auto h = built<HourlySeries>(*rec);
  EXPECT_EQ(h->startTime, jst(2025, 5, 1, 10, 0));
  ASSERT_EQ(h->valueCount, 2);
  EXPECT_DOUBLE_EQ(h->values[0], 2.5);  // five samples of 0.5 mm
  EXPECT_DOUBLE_EQ(h->values[1], 1.0);
}

TEST(SeriesBuckets, SeriesEndsWithTheBucketOfTheLastSample) {
  EXPECT_EQ(built<HourlySeries>(*makeSteady(jst(2025, 5, 1, 10, 0), 6))->valueCount, 1);
  EXPECT_EQ(built<HourlySeries>(*makeSteady(jst(2025, 5, 1, 10, 0), 7))->valueCount, 2);
  EXPECT_EQ(built<DailySeries>(*makeSteady(jst(2025, 5, 1, 0, 0), 144))->valueCount, 1);
  EXPECT_EQ(built<DailySeries>(*makeSteady(jst(2025, 5, 1, 0, 0), 145))->valueCount, 2);
}

TEST(SeriesBuckets, AlignedRecordingKeepsEveryMillimetreInEverySeries) {
  std::vector<uint16_t> words(6 * 24 * 75);
  for (size_t k = 0; k < words.size(); ++k) words[k] = static_cast<uint16_t>((k * 37) % 11);
  double sum = 0;
  for (uint16_t w : words) sum += w * 0.5;
  auto rec = makeRecording(jst(2024, 1, 1, 0, 0), words);
  auto h = built<HourlySeries>(*rec);
  auto d = built<DailySeries>(*rec);
  auto m = built<MonthlySeries>(*rec);
  auto t = built<TenMinuteSeries>(*rec);
  EXPECT_EQ(h->valueCount, 24 * 75);
  EXPECT_EQ(d->valueCount, 75);
  EXPECT_EQ(m->valueCount, 3);  // January, February, 15 days of March
  EXPECT_EQ(t->valueCount, static_cast<int>(words.size()) + 1);
  EXPECT_NEAR(total(*h), sum, 1e-9);
  EXPECT_NEAR(total(*d), sum, 1e-9);
  EXPECT_NEAR(total(*m), sum, 1e-9);
  EXPECT_NEAR(total(*t), sum, 1e-9);
  EXPECT_LE(h->valueCount, h->capacity);
  EXPECT_LE(t->valueCount, t->capacity);
}

TEST(SeriesBuckets, LeapFebruaryHasTwentyNineDays) {
  // One sample on 29 February 23:50 and one on 1 March 00:00.
  int32_t start = jst(2024, 2, 1, 0, 0);
  int feb29last = (29 * 144) - 1;
  std::vector<uint16_t> words(static_cast<size_t>(feb29last + 2), 0);
  words[static_cast<size_t>(feb29last)] = 4;
  words[static_cast<size_t>(feb29last + 1)] = 6;
  auto m = built<MonthlySeries>(*makeRecording(start, words));
  ASSERT_EQ(m->valueCount, 2);
  EXPECT_DOUBLE_EQ(m->values[0], 2.0);
  EXPECT_DOUBLE_EQ(m->values[1], 3.0);
}

TEST(SeriesBuckets, TenthModelSumsTenthsOfAMillimetre) {
  auto rec = makeRecording(jst(2025, 5, 1, 10, 0), {1, 2, 0x0803, 4}, 0x2001);
  auto h = built<HourlySeries>(*rec);
  EXPECT_NEAR(h->values[0], 1.0, 1e-12);
  auto half = makeRecording(jst(2025, 5, 1, 10, 0), {1, 2, 0x1003, 4}, 0x1001);
  EXPECT_NEAR(built<HourlySeries>(*half)->values[0], 5.0, 1e-12);
}

TEST(TenMinute, AlignedRecordingHasOneTrailingEmptySlot) {
  auto rec = makeRecording(jst(2025, 5, 1, 10, 0), {2, 0, 5});
  auto t = built<TenMinuteSeries>(*rec);
  ASSERT_EQ(t->valueCount, 4);
  EXPECT_DOUBLE_EQ(t->values[0], 1.0);
  EXPECT_DOUBLE_EQ(t->values[1], 0.0);
  EXPECT_DOUBLE_EQ(t->values[2], 2.5);
  EXPECT_DOUBLE_EQ(t->values[3], 0.0);
}

TEST(TenMinute, SamplesTooLateInTheirSlotCountAsNoRain) {
  auto late = makeSteady(jst(2025, 5, 1, 10, 9, 59), 5, 7);
  auto t = built<TenMinuteSeries>(*late);
  EXPECT_EQ(t->valueCount, 6);
  EXPECT_DOUBLE_EQ(total(*t), 0.0);
  // 598 s into the slot still counts.
  auto ok = built<TenMinuteSeries>(*makeSteady(jst(2025, 5, 1, 10, 9, 58), 5, 7));
  EXPECT_DOUBLE_EQ(total(*ok), 17.5);
}

TEST(SeriesRefusal, IntervalOtherThan600IsRefusedByEveryBuilder) {
  auto rec = makeRecording(jst(2025, 5, 1, 10, 0), {1, 2, 3}, 0x1001, "00300");
  for (RainSeries* s : std::initializer_list<RainSeries*>{new HourlySeries, new DailySeries, new TenMinuteSeries,
                                                          new MonthlySeries}) {
    std::unique_ptr<RainSeries> owned(s);
    EXPECT_EQ(s->build(*rec), 0);
    EXPECT_EQ(s->valueCount, 0);
    EXPECT_EQ(s->startTime, 0);
  }
}

TEST(SeriesCapacity, FullImageFitsEveryBuilder) {
  auto rec = makeSteady(jst(2024, 1, 1, 0, 5), logstore::kMaxSamples, 1);
  auto t = built<TenMinuteSeries>(*rec);
  EXPECT_EQ(t->capacity, logstore::kMaxSamples + 2);
  EXPECT_EQ(t->valueCount, logstore::kMaxSamples + 1);
  auto h = built<HourlySeries>(*rec);
  EXPECT_LE(h->valueCount, h->capacity);
  auto m = built<MonthlySeries>(*rec);
  EXPECT_EQ(m->capacity, logstore::kMaxSamples / 4608 + 2);
  EXPECT_LE(m->valueCount, m->capacity);
}

TEST(Calendar, DaysInMonthWithoutTheCenturyRule) {
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2024, 2), 29);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2025, 2), 28);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2100, 2), 29);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2025, 4), 30);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2025, 11), 30);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2025, 12), 31);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2025, 0), 0);
  EXPECT_EQ(daysInMonthEveryFourthYearLeap(2025, 13), 0);
}

TEST(SeriesPast2038, BucketTimesRunOnPastTheSigned32BitEnd) {
  // The last second a signed 32-bit count holds is 2038-01-19 12:14:07 here.
  const int64_t last32 = INT32_MAX;
  ASSERT_EQ(jst64(2038, 1, 19, 12, 14, 7), last32);

  // Four days of 0.5 mm from 2038-01-18 00:00: every builder's buckets go on
  // in step past the limit instead of wrapping to 1901.
  auto rec = makeSteady(jst(2038, 1, 18, 0, 0), 4 * 144, 1);
  auto h = built<HourlySeries>(*rec);
  EXPECT_EQ(h->startTime, jst64(2038, 1, 18, 0, 0));
  EXPECT_EQ(h->valueCount, 4 * 24);  // the last sample (23:50) ends the series
  for (int j = 0; j < h->valueCount; ++j) EXPECT_DOUBLE_EQ(h->values[j], 3.0) << "hour " << j;
  EXPECT_DOUBLE_EQ(total(*h), 4 * 144 * 0.5);

  auto t = built<TenMinuteSeries>(*rec);
  EXPECT_DOUBLE_EQ(total(*t), 4 * 144 * 0.5);

  // A first bucket that itself lies past the limit.
  auto d = built<DailySeries>(*makeSteady(jst(2038, 1, 19, 12, 0), 3 * 144, 1));
  EXPECT_EQ(d->startTime, jst64(2038, 1, 20, 0, 0));
  EXPECT_GT(d->startTime, last32);
  EXPECT_DOUBLE_EQ(d->values[0], 72.0);
  EXPECT_DOUBLE_EQ(d->values[1], 72.0);

  auto m = built<MonthlySeries>(*makeSteady(jst(2038, 1, 15, 0, 0), 60 * 144, 1));
  EXPECT_EQ(m->startTime, jst64(2038, 2, 1, 0, 0));
  EXPECT_EQ(m->valueCount, 2);
  EXPECT_DOUBLE_EQ(m->values[0], 28 * 72.0);  // 2038 is no leap year
}
