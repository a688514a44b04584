// The daily-rainfall yearly table as plain data: a recording starting in
// March, a year starting a day into the series, leap years, a recording
// ending in August, the era rule, years without values (also an empty
// series, which must not be read) and the cell rule.
#include "DailyYearTable.h"
#include "TableGrid.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// B = 200, u = 50, K = 10, s = 16, v = 44.
const ReportRect kRect{100, 1000, 2900, 2760};
constexpr int kFont = 30;
const TableGrid kGrid{100, 200, 1176, 50, 13, 32};

TableSnapshot daily(int64_t tableStart, int64_t seriesStart, std::vector<double> values) {
  return stationSnapshot(tableStart, seriesStart, std::move(values));
}


}  // namespace

TEST(DailyYearTable, RecordingFrom10MarchLeavesTheDaysBeforeBlank) {
  const auto snap = daily(jst(2021, 1, 1, 0, 0), jst(2021, 3, 10, 0, 0), std::vector<double>(400, 1.0));
  const auto cells = kGrid.cells(buildDailyYearTable(snap, kRect, kFont));
  for (int r = 1; r <= 32; ++r) {
    EXPECT_EQ(TableGrid::at(cells, 1, r), "") << r;
    EXPECT_EQ(TableGrid::at(cells, 2, r), "") << r;
  }
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(TableGrid::at(cells, 3, r), "") << r;
  EXPECT_EQ(TableGrid::at(cells, 3, 10), "1.0");
  EXPECT_EQ(TableGrid::at(cells, 3, 32), "22.0");
  EXPECT_EQ(TableGrid::at(cells, 4, 32), "30.0");
  EXPECT_EQ(TableGrid::at(cells, 13, 1), "9.0");   // April to December
  EXPECT_EQ(TableGrid::at(cells, 13, 10), "10.0");
  EXPECT_EQ(TableGrid::at(cells, 13, 32), "297.0");
}

TEST(DailyYearTable, YearStartingADayIntoTheSeriesTakesIndexOne) {
  const auto snap = daily(jst(2021, 1, 1, 0, 0), jst(2020, 12, 31, 0, 0), {4.0, 2.5, 0.0});
  const auto cells = kGrid.cells(buildDailyYearTable(snap, kRect, kFont));
  EXPECT_EQ(TableGrid::at(cells, 1, 1), "2.5");
  EXPECT_EQ(TableGrid::at(cells, 1, 2), "-");
  EXPECT_EQ(TableGrid::at(cells, 1, 3), "");
  EXPECT_EQ(TableGrid::at(cells, 1, 32), "2.5");  // the month's sum where the values stop
}

TEST(DailyYearTable, LeapYearsShowTheTwentyNinthAndShortMonthsStayShort) {
  for (int year : {2020, 2021}) {
    const auto snap = daily(jst(year, 1, 1, 0, 0), jst(year, 1, 1, 0, 0), std::vector<double>(400, 0.5));
    const auto cells = kGrid.cells(buildDailyYearTable(snap, kRect, kFont));
    EXPECT_EQ(TableGrid::at(cells, 2, 29), year == 2020 ? "0.5" : "") << year;
    EXPECT_EQ(TableGrid::at(cells, 2, 30), "");
    for (int m : {4, 6, 9, 11}) EXPECT_EQ(TableGrid::at(cells, m, 31), "") << m;
    EXPECT_EQ(TableGrid::at(cells, 3, 1), "0.5");  // March 1st follows straight on
    EXPECT_EQ(TableGrid::at(cells, 12, 31), "0.5");
    EXPECT_EQ(TableGrid::at(cells, 13, 32), year == 2020 ? "183.0" : "182.5");
  }
}

TEST(DailyYearTable, RecordingEnding20AugustStopsWithTheMonthSumAndKeepsTheTotals) {
  const int days = 31 + 28 + 31 + 30 + 31 + 30 + 31 + 20;
  const auto snap = daily(jst(2021, 1, 1, 0, 0), jst(2021, 1, 1, 0, 0), std::vector<double>(days, 1.0));
  const auto cells = kGrid.cells(buildDailyYearTable(snap, kRect, kFont));
  EXPECT_EQ(TableGrid::at(cells, 8, 20), "1.0");
  EXPECT_EQ(TableGrid::at(cells, 8, 21), "");
  EXPECT_EQ(TableGrid::at(cells, 8, 32), "20.0");
  for (int m = 9; m <= 12; ++m)
    for (int r = 1; r <= 32; ++r) EXPECT_EQ(TableGrid::at(cells, m, r), "") << m << "/" << r;
  EXPECT_EQ(TableGrid::at(cells, 13, 1), "8.0");
  EXPECT_EQ(TableGrid::at(cells, 13, 21), "7.0");
  EXPECT_EQ(TableGrid::at(cells, 13, 29), "6.0");
  EXPECT_EQ(TableGrid::at(cells, 13, 31), "4.0");
  EXPECT_EQ(TableGrid::at(cells, 13, 32), "232.0");
}

TEST(DailyYearTable, EraLineCountsAllOf2019AsReiwa) {
  EXPECT_EQ(dailyYearEraLine(jst(2018, 1, 1, 0, 0)), "平成 30 年 （西暦 2018 年）");
  EXPECT_EQ(dailyYearEraLine(jst(2019, 1, 1, 0, 0)), "令和 1 年 （西暦 2019 年）");
  EXPECT_EQ(dailyYearEraLine(jst(1985, 1, 1, 0, 0)), "平成    年 （西暦 1985 年）");
  const ReportPage page = buildDailyYearTable(daily(jst(2019, 1, 1, 0, 0), 0, {}), kRect, kFont);
  // (X0 + 10B, Y0 - h/30) with h = 1760.
  EXPECT_EQ(page.textsAt(2100, 942), std::vector<std::string>{"令和 1 年 （西暦 2019 年）"});
}

TEST(DailyYearTable, YearWithoutValuesPrintsTheFormAndNeverReadsTheSeries) {
  const TableSnapshot cases[] = {
      daily(jst(2030, 1, 1, 0, 0), jst(2021, 1, 1, 0, 0), std::vector<double>(100, 1.0)),  // after the end
      daily(jst(2020, 1, 1, 0, 0), jst(2021, 3, 1, 0, 0), std::vector<double>(100, 1.0)),  // gap beyond the year
      daily(jst(2021, 1, 1, 0, 0), jst(2021, 3, 1, 0, 0), {}),                             // empty series
      daily(jst(2021, 1, 1, 0, 0), jst(2020, 3, 1, 0, 0), {}),
  };
  for (const TableSnapshot& snap : cases) {
    const ReportPage page = buildDailyYearTable(snap, kRect, kFont);
    EXPECT_TRUE(kGrid.cells(page).empty());
    EXPECT_EQ(page.lines.size(), 3u + 3u + 2u + 7u + 33u + 15u);
    ASSERT_NE(page.find("観測所"), nullptr);
    EXPECT_EQ(page.find("観測所")->x, (8 * 2900 - 7 * 100) / 9);
    EXPECT_NE(page.find("日／月"), nullptr);
    EXPECT_NE(page.find("日 雨 量 年 表"), nullptr);
  }
}

TEST(DailyYearTable, CellsUseTheSharedFormatAndShift) {
  std::vector<double> values(40, 0.0);
  values[0] = 15.5;
  values[1] = 1234.5;
  values[3] = 2.5;
  const auto snap = daily(jst(2021, 1, 1, 0, 0), jst(2021, 1, 1, 0, 0), values);
  const auto cells = kGrid.cells(buildDailyYearTable(snap, kRect, kFont));
  const int middle = 100 + 200 + 100;
  EXPECT_EQ(cells.at({1, 1}).x, middle - 15);
  EXPECT_EQ(cells.at({1, 2}).text, "1234.5");
  EXPECT_EQ(cells.at({1, 2}).x, middle - 45);
  EXPECT_EQ(cells.at({1, 3}).text, "-");
  EXPECT_EQ(cells.at({1, 3}).x, middle);

  // With the printer's widths a wide number ends where "0.0" ends.
  const TextWidth narrow = [](const std::string& t) { return static_cast<int>(t.size()) * 20; };
  auto cellsWith = [&](const TextWidth& width) { return kGrid.cells(buildDailyYearTable(snap, kRect, kFont, width)); };
  EXPECT_EQ(cellsWith(narrow).at({1, 1}).x, middle - 20);
  // A font too large for its cells: numbers end an eighth of the font
  // height before the right line, all at the same place, and one wider than
  // the cell starts that far right of the left line.
  const TextWidth large = [](const std::string& t) { return static_cast<int>(t.size()) * 40; };
  const auto big = cellsWith(large);
  const int end = 100 + 2 * 200 - 30 / 8;
  EXPECT_EQ(big.at({1, 1}).x + 160, end);  // "15.5"
  EXPECT_EQ(big.at({1, 4}).x + 120, end);  // "2.5"
  EXPECT_EQ(big.at({1, 2}).x, 100 + 200 + 30 / 8);
  EXPECT_EQ(big.at({1, 3}).x, middle);  // "-"
}
