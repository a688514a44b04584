// The values the tool reads from its command line, and the window of buckets
// a time range picks, on the edges where a loose reading would go wrong.
#include "CliArguments.h"
#include "DisplaySeries.h"
#include "SeriesWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr int32_t k20240101 = 1704034800;  // 2024-01-01 00:00 UTC+9
}

TEST(CliArguments, TimesAreReadStrictlyInLocalTime) {
  EXPECT_EQ(parseTimeArgument("2024-01-01"), k20240101);
  EXPECT_EQ(parseTimeArgument("2024-01-01 00:00"), k20240101);
  EXPECT_EQ(parseTimeArgument("2024-01-01T09:05"), k20240101 + 9 * 3600 + 300);
  EXPECT_EQ(parseTimeArgument("2024/1/1 9:05"), k20240101 + 9 * 3600 + 300);
  EXPECT_EQ(parseTimeArgument("2024-02-29"), k20240101 + (31 + 28) * 86400);
  // Dates that do not exist are refused, not carried into the next month.
  for (const char* bad : {"2023-02-29", "2024-13-01", "2024-04-31", "2024-01-01 24:00", "2024-01-01 10:60",
                          "2024-01/01", "2024-01-01 10:00x", "2024-01-01 10", "24-01-01", "1969-12-31", "",
                          "2024-01-01  10:00", "2038-01-19 12:15"})
    EXPECT_FALSE(parseTimeArgument(bad).has_value()) << bad;
  // The last minute a recording's time holds (03:14:07 UTC is 12:14:07 here).
  EXPECT_TRUE(parseTimeArgument("2038-01-19 12:14").has_value());
}

TEST(CliArguments, NamesSizesAndNumbers) {
  EXPECT_EQ(parseInterval("10min"), IntervalMode::TenMinute);
  EXPECT_EQ(parseInterval("month"), IntervalMode::Monthly);
  EXPECT_FALSE(parseInterval("Hour").has_value());
  EXPECT_EQ(parseSeparator("tab"), '\t');
  EXPECT_FALSE(parseSeparator("pipe").has_value());
  auto size = parsePixelSize("1600x600");
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->width, 1600);
  EXPECT_EQ(size->height, 600);
  for (const char* bad : {"1600", "x600", "1600x", "15x600", "1600x-6", "1600x600x2", "1e3x600"})
    EXPECT_FALSE(parsePixelSize(bad).has_value()) << bad;
  EXPECT_FALSE(parseBoundedInt("99999999999", 1, 1000000).has_value());
  EXPECT_FALSE(parseBoundedInt("+5", 1, 10).has_value());
}

TEST(CliArguments, OutputPatternGivesEveryInputItsOwnFile) {
  const OutputFields a{"data/a.hyy", "hour", ""};
  EXPECT_EQ(expandOutputPattern("{dir}/{stem}-{interval}.txt", a), "data/a-hour.txt");
  EXPECT_EQ(expandOutputPattern("{name}.{{stem}}.{unknown}", a), "a.hyy.{stem}.{unknown}");
  EXPECT_EQ(expandOutputPattern("{stem}-{period}.pdf", {"x.tar.hyy", "", "2024-06"}), "x.tar-2024-06.pdf");

  EXPECT_EQ(planOutputs("one.txt", {a}).outputs, std::vector<std::string>{"one.txt"});
  const OutputFields b{"other/a.hyy", "hour", ""};
  // Several inputs into one plain name, or two inputs whose stems agree.
  EXPECT_NE(planOutputs("one.txt", {a, {"b.hyy", "hour", ""}}).error, "");
  EXPECT_NE(planOutputs("{stem}.txt", {a, b}).error, "");
  EXPECT_EQ(planOutputs("{dir}/{stem}.txt", {a, b}).outputs,
            (std::vector<std::string>{"data/a.txt", "other/a.txt"}));
  // A pattern must never name the recording it reads.
  EXPECT_NE(planOutputs("{dir}/{name}", {a}).error, "");
  EXPECT_NE(planOutputs("./data/../data/a.hyy", {a}).error, "");
}

TEST(SeriesWindow, ARangeShowsTheBucketsItOverlaps) {
  auto s = std::make_unique<DisplaySeries>();
  s->intervalMode = IntervalMode::Hourly;
  s->seriesStart = k20240101;
  s->valueCount = 10;
  using Status = SeriesWindowResult::Status;

  SeriesWindowResult r = seriesWindow(*s, std::nullopt, std::nullopt);
  EXPECT_EQ(r.firstIndex, 0);
  EXPECT_EQ(r.count, 10);
  // From inside bucket 2 to the start of bucket 5: buckets 2, 3 and 4.
  r = seriesWindow(*s, k20240101 + 2 * 3600 + 1800, k20240101 + 5 * 3600);
  EXPECT_EQ(r.status, Status::Ok);
  EXPECT_EQ(r.firstIndex, 2);
  EXPECT_EQ(r.count, 3);
  // A range reaching past either end is cut to the recording.
  r = seriesWindow(*s, k20240101 - 86400, k20240101 + 86400);
  EXPECT_EQ(r.firstIndex, 0);
  EXPECT_EQ(r.count, 10);

  EXPECT_EQ(seriesWindow(*s, k20240101 + 10 * 3600, std::nullopt).status, Status::StartOutside);
  EXPECT_EQ(seriesWindow(*s, std::nullopt, k20240101).status, Status::EndOutside);
  EXPECT_EQ(seriesWindow(*s, k20240101 + 3600, k20240101 + 3600).status, Status::EndOutside);
  EXPECT_EQ(seriesWindow(*s, k20240101 + 7200, k20240101 + 3600).status, Status::EndOutside);
}

TEST(SeriesWindow, MonthlyBucketsFollowTheCalendarIntoTheNextYear) {
  auto s = std::make_unique<DisplaySeries>();
  s->intervalMode = IntervalMode::Monthly;
  s->seriesStart = *parseTimeArgument("2024-11-01");
  s->valueCount = 4;  // November to February
  EXPECT_EQ(bucketStart(IntervalMode::Monthly, s->seriesStart, 2), *parseTimeArgument("2025-01-01"));
  EXPECT_EQ(bucketStart(IntervalMode::Monthly, s->seriesStart, 4), *parseTimeArgument("2025-03-01"));
  SeriesWindowResult r = seriesWindow(*s, *parseTimeArgument("2025-01-15"), *parseTimeArgument("2025-02-01"));
  EXPECT_EQ(r.firstIndex, 2);
  EXPECT_EQ(r.count, 1);
  EXPECT_EQ(seriesWindow(*s, *parseTimeArgument("2025-03-01"), std::nullopt).status,
            SeriesWindowResult::Status::StartOutside);
}
