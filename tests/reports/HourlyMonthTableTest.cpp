// The hourly-rainfall monthly table as plain data: where the month's values
// start, month lengths, a recording that ends mid-day (with its day total and
// totals column complete), the cell format, the era line, an empty month and
// the grid lines.
#include "HourlyMonthTable.h"
#include "TableGrid.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// L = 100, N = 60, R = 7, t = 20.
const ReportRect kRect{100, 1000, 3500, 2807};
constexpr int kFont = 20;
const TableGrid kGrid{100, 100, 1200, 60, 32, 27};

TableSnapshot hourly(int64_t tableStart, int64_t seriesStart, std::vector<double> values) {
  return stationSnapshot(tableStart, seriesStart, std::move(values));
}


// Row of the hour h..h+1 in the grid.
int hourRow(int h) { return h < 9 ? h + 1 : h + 2; }

}  // namespace

TEST(HourlyMonthTable, LeadingGapLeavesHoursBlankAndSubtotalsWaitForTheirBlock) {
  // The recording's first hour is 5 March 12:00; every hour has 1 mm.
  const auto snap = hourly(jst(2020, 3, 1, 0, 0), jst(2020, 3, 5, 12, 0), std::vector<double>(100, 1.0));
  const auto cells = kGrid.cells(buildHourlyMonthTable(snap, kRect, kFont));
  for (int day = 1; day <= 4; ++day)
    for (int row = 1; row <= 27; ++row) EXPECT_EQ(TableGrid::at(cells, day, row), "") << day << "/" << row;
  for (int h = 0; h < 12; ++h) EXPECT_EQ(TableGrid::at(cells, 5, hourRow(h)), "") << h;
  EXPECT_EQ(TableGrid::at(cells, 5, hourRow(12)), "1.0");
  EXPECT_EQ(TableGrid::at(cells, 5, 10), "");  // hours up to 9 had no value yet
  EXPECT_EQ(TableGrid::at(cells, 5, 26), "12.0");
  EXPECT_EQ(TableGrid::at(cells, 5, 27), "12.0");
  EXPECT_EQ(TableGrid::at(cells, 6, 10), "9.0");
  EXPECT_EQ(TableGrid::at(cells, 6, 26), "15.0");
  EXPECT_EQ(TableGrid::at(cells, 6, 27), "24.0");
}

TEST(HourlyMonthTable, MonthStartingAnHourIntoTheSeriesTakesIndexOne) {
  std::vector<double> values(48, 0.0);
  values[0] = 7.0;
  values[1] = 2.5;
  const auto snap = hourly(jst(2020, 3, 1, 0, 0), jst(2020, 2, 29, 23, 0), values);
  const auto cells = kGrid.cells(buildHourlyMonthTable(snap, kRect, kFont));
  EXPECT_EQ(TableGrid::at(cells, 1, 1), "2.5");
  EXPECT_EQ(TableGrid::at(cells, 1, 2), "-");
}

TEST(HourlyMonthTable, MonthLengthsDecideTheFilledColumnsButAllHeadingsShow) {
  struct Case {
    int year, month, days;
  } cases[] = {{2020, 2, 29}, {2021, 2, 28}, {2021, 4, 30}, {2021, 5, 31}};
  for (const Case& c : cases) {
    const auto snap = hourly(jst(c.year, c.month, 1, 0, 0), jst(c.year, c.month, 1, 0, 0),
                             std::vector<double>(24 * 40, 0.5));
    const ReportPage page = buildHourlyMonthTable(snap, kRect, kFont);
    const auto cells = kGrid.cells(page);
    for (int day = 28; day <= 31; ++day)
      EXPECT_EQ(TableGrid::at(cells, day, 1), day <= c.days ? "0.5" : "") << c.year << "/" << c.month << " day " << day;
    EXPECT_EQ(TableGrid::at(cells, 32, 1), c.days == 31 ? "15.5" : (c.days == 30 ? "15.0" : (c.days == 29 ? "14.5" : "14.0")));
    // Headings: "1" ... "31", "計" and "日時" again.
    for (int k = 1; k <= 31; ++k)
      EXPECT_EQ(page.textsAt(100 + k * 100 + 50 - 33, 1000 + 120 + 20), std::vector<std::string>{std::to_string(k)});
    EXPECT_EQ(page.textsAt(100 + 32 * 100 + 50 - 33, 1140), std::vector<std::string>{"計"});
    EXPECT_EQ(page.textsAt(100 + 33 * 100 + 50 - 33, 1140), std::vector<std::string>{"日時"});
  }
}

TEST(HourlyMonthTable, RecordingEndingMidDayKeepsTheWholeDayTotalAndTheTotalsColumn) {
  // 11 whole days and 12 March 0:00-15:00, 1 mm every hour.
  const auto snap = hourly(jst(2021, 3, 1, 0, 0), jst(2021, 3, 1, 0, 0), std::vector<double>(11 * 24 + 15, 1.0));
  const auto cells = kGrid.cells(buildHourlyMonthTable(snap, kRect, kFont));
  EXPECT_EQ(TableGrid::at(cells, 12, hourRow(14)), "1.0");
  EXPECT_EQ(TableGrid::at(cells, 12, hourRow(15)), "");
  EXPECT_EQ(TableGrid::at(cells, 12, 10), "9.0");
  EXPECT_EQ(TableGrid::at(cells, 12, 26), "6.0");   // running subtotal of 9:00-15:00
  EXPECT_EQ(TableGrid::at(cells, 12, 27), "15.0");  // the whole day so far, not only the last block
  for (int day = 13; day <= 31; ++day) EXPECT_EQ(TableGrid::at(cells, day, 1), "") << day;
  EXPECT_EQ(TableGrid::at(cells, 32, hourRow(0)), "12.0");
  EXPECT_EQ(TableGrid::at(cells, 32, hourRow(14)), "12.0");
  EXPECT_EQ(TableGrid::at(cells, 32, hourRow(15)), "11.0");
  EXPECT_EQ(TableGrid::at(cells, 32, 10), "108.0");
  EXPECT_EQ(TableGrid::at(cells, 32, 26), "171.0");
  EXPECT_EQ(TableGrid::at(cells, 32, 27), "279.0");
}

TEST(HourlyMonthTable, RecordingOfAFewMorningHoursStillGetsItsSubtotalAndTotals) {
  // Stops at 5:00 on the 1st, before any subtotal row was reached.
  const auto snap = hourly(jst(2021, 6, 1, 0, 0), jst(2021, 6, 1, 0, 0), {1.0, 2.0, 0.0, 1.5, 0.5});
  const auto cells = kGrid.cells(buildHourlyMonthTable(snap, kRect, kFont));
  EXPECT_EQ(TableGrid::at(cells, 1, 10), "5.0");
  EXPECT_EQ(TableGrid::at(cells, 1, 27), "5.0");
  EXPECT_EQ(TableGrid::at(cells, 1, 26), "");
  EXPECT_EQ(TableGrid::at(cells, 32, 3), "-");
  EXPECT_EQ(TableGrid::at(cells, 32, 10), "5.0");
  EXPECT_EQ(TableGrid::at(cells, 32, 26), "");
  EXPECT_EQ(TableGrid::at(cells, 32, 27), "5.0");
}

TEST(HourlyMonthTable, ZeroIsADashAndWideNumbersMoveLeftByHalfAFontPerExtraCharacter) {
  std::vector<double> values(24 * 31, 0.0);
  values[0] = 12.5;           // day 1, 0-1
  values[24] = 111.0;         // day 2, 0-1: month total of the row 123.5
  values[1] = 9.96;           // reads "10.0": as wide as 10
  const auto snap = hourly(jst(2021, 7, 1, 0, 0), jst(2021, 7, 1, 0, 0), values);
  const auto cells = kGrid.cells(buildHourlyMonthTable(snap, kRect, kFont));
  const int middle1 = 100 + 100 + 50;
  EXPECT_EQ(cells.at({1, 1}).text, "12.5");
  EXPECT_EQ(cells.at({1, 1}).x, middle1 - 10);
  EXPECT_EQ(cells.at({1, 2}).text, "10.0");
  EXPECT_EQ(cells.at({1, 2}).x, middle1 - 10);
  EXPECT_EQ(cells.at({1, 3}).text, "-");
  EXPECT_EQ(cells.at({1, 3}).x, middle1);
  EXPECT_EQ(cells.at({32, 1}).text, "123.5");
  EXPECT_EQ(cells.at({32, 1}).x, 100 + 3200 + 50 - 20);
}

TEST(HourlyMonthTable, EraLineTurnsToReiwaInMay2019AndLeavesOldYearsBlank) {
  EXPECT_EQ(hourlyMonthEraLine(jst(2019, 4, 1, 0, 0)), "平成 31 年 04 月");
  EXPECT_EQ(hourlyMonthEraLine(jst(2019, 5, 1, 0, 0)), "令和 1 年 05 月");
  EXPECT_EQ(hourlyMonthEraLine(jst(2020, 1, 1, 0, 0)), "令和 2 年 01 月");
  EXPECT_EQ(hourlyMonthEraLine(jst(1985, 1, 1, 0, 0)), "平成    年 01 月");
  EXPECT_EQ(hourlyMonthEraLine(jst(1989, 1, 1, 0, 0)), "平成 1 年 01 月");
  const auto snap = hourly(jst(2019, 5, 1, 0, 0), jst(2019, 5, 1, 0, 0), {});
  const ReportPage page = buildHourlyMonthTable(snap, kRect, kFont);
  // h = 1807: "（西暦  2019年）" at (X0 + 29L, Y0 + h/50), the era below it.
  EXPECT_EQ(page.textsAt(3000, 1036), std::vector<std::string>{"（西暦  2019年）"});
  EXPECT_EQ(page.textsAt(3000, 1090), std::vector<std::string>{"令和 1 年 05 月"});
}

TEST(HourlyMonthTable, MonthWithoutValuesPrintsTheFormWithItsLabelsOnly) {
  // The recording ends before the month; an empty series alike.
  for (const auto& snap : {hourly(jst(2022, 1, 1, 0, 0), jst(2021, 1, 1, 0, 0), std::vector<double>(100, 1.0)),
                           hourly(jst(2022, 1, 1, 0, 0), jst(2022, 1, 1, 0, 0), {})}) {
    const ReportPage page = buildHourlyMonthTable(snap, kRect, kFont);
    EXPECT_TRUE(kGrid.cells(page).empty());
    EXPECT_EQ(page.lines.size(), 2u + 7u + 28u + 34u + 1u + 3u + 3u);
    ASSERT_NE(page.find("観測所"), nullptr);
    EXPECT_EQ(page.find("観測所")->x, 100 + 12 * 100 + 10);
    ASSERT_NE(page.find("時 間 雨 量 月 表"), nullptr);
    EXPECT_EQ(page.find("時 間 雨 量 月 表")->font, ReportFont::TableTitle);
    EXPECT_NE(page.find("小計"), nullptr);
    EXPECT_NE(page.find("～24"), nullptr);
  }
}

TEST(HourlyMonthTable, GridLinesMeetTheCellsTheyFrame) {
  const auto snap = hourly(jst(2021, 7, 1, 0, 0), jst(2021, 7, 1, 0, 0), {1.0});
  const ReportPage page = buildHourlyMonthTable(snap, kRect, kFont);
  // Horizontal grid lines from the station band's bottom + N to Y1; the
  // last lies on the bottom edge.
  int horizontals = 0;
  int lastY = 0;
  for (const ReportLine& l : page.lines)
    if (l.y1 == l.y2 && l.x1 == 100 && l.x2 == 3500 && l.y1 > 1127) {
      ++horizontals;
      lastY = std::max(lastY, l.y1);
    }
  EXPECT_EQ(horizontals, 28);
  EXPECT_EQ(lastY, 2807);
  // Every cell text of a row lies between two horizontal grid lines.
  for (const auto& [key, cell] : kGrid.cells(page)) {
    const int y = 1200 + (key.second - 1) * 60;
    EXPECT_GT(y, 1000 + 3 * 60 + 7 + (key.second - 1) * 60) << key.first << "/" << key.second;
    EXPECT_LT(y + kFont, 1000 + 3 * 60 + 7 + key.second * 60);
  }
}
