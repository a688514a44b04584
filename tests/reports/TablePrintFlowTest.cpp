// The table print settings' check and what a table command does to the
// document: the table's series in the snapshot, the print flags, and the
// chart exactly as it was (interval, window, remembered windows).
#include "DocFixture.h"
#include "HourlySeries.h"
#include "TablePrintFlow.h"
#include "TestClock.h"

#include <gtest/gtest.h>

TEST(TablePrintSettings, RefusesBlankAndImpossibleDatesAndAcceptsABlankStation) {
  auto monthly = [](const char* year, const char* month) {
    TablePrintFields f;
    f.monthYear = year;
    f.month = month;
    return checkTablePrintFields(f);
  };
  EXPECT_FALSE(monthly("", ""));
  EXPECT_FALSE(monthly("2024", ""));
  EXPECT_FALSE(monthly("", "5"));
  EXPECT_FALSE(monthly("2024", "13"));
  EXPECT_FALSE(monthly("2024", "0"));
  EXPECT_FALSE(monthly("1969", "12"));
  EXPECT_FALSE(monthly("abcd", "5"));
  const auto ok = monthly("2024", "5");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->kind, TableKind::HourlyMonth);
  EXPECT_EQ(ok->year, 2024);
  EXPECT_EQ(ok->month, 5);
  EXPECT_EQ(ok->station, "");

  TablePrintFields yearly;
  yearly.monthly = false;
  yearly.monthYear = "2024";  // the monthly fields do not count
  yearly.month = "5";
  EXPECT_FALSE(checkTablePrintFields(yearly));
  yearly.yearYear = "1970";  // 1 January 1970 00:00 here lies before the clock's start
  EXPECT_FALSE(checkTablePrintFields(yearly));
  yearly.yearYear = "1971";
  yearly.station = "観測所";
  const auto y = checkTablePrintFields(yearly);
  ASSERT_TRUE(y);
  EXPECT_EQ(y->kind, TableKind::DailyYear);
  EXPECT_EQ(y->year, 1971);
  EXPECT_EQ(y->station, "観測所");
  EXPECT_EQ(std::string(kTableFieldError), "入力した値に誤りがあります。");
}

class TableFlow : public DocFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.onOpenDocument(sample("long-2024-0.5mm.hyy")));
    windows.switchTo(doc, state, IntervalMode::TenMinute);
    // Two band zooms into the ten-minute chart and one step back.
    zoom.startHistory();
    zoom.setBand(1000.0, 500.0);
    ASSERT_TRUE(zoom.applyPendingBand());
    zoom.setBand(144.0, 100.0);
    ASSERT_TRUE(zoom.applyPendingBand());
    zoom.undo();
    windows.remember(IntervalMode::Hourly, {48, 24});
    doc.series().cursorA = 3;
    before = zoom.saveState();
    ASSERT_EQ(doc.undoAvailable + doc.redoAvailable, 2);
    first = doc.series().firstShownIndex;
    shown = doc.series().visibleCount;
    ASSERT_GT(first, 0);
  }
  void expectChartAsBefore() {
    EXPECT_EQ(doc.intervalMode, IntervalMode::TenMinute);
    EXPECT_EQ(doc.series().intervalMode, IntervalMode::TenMinute);
    EXPECT_EQ(doc.series().firstShownIndex, first);
    EXPECT_EQ(doc.series().visibleCount, shown);
    EXPECT_EQ(doc.series().verticalMax, doc.verticalMax(IntervalMode::TenMinute));
    EXPECT_EQ(state.firstShownIndexMirror, first);
    EXPECT_EQ(windows.remembered(IntervalMode::Hourly).visibleCount, 48);
    EXPECT_EQ(doc.series().cursorA, 3);
    EXPECT_EQ(zoom.saveState(), before) << "zoom, history, Undo and Redo as they were";
  }

  ChartNavigation zoom{doc, state, windows};
  ChartZoomState before;
  int first = 0;
  int shown = 0;
};

TEST_F(TableFlow, MonthlyTableTakesTheHourlySeriesAndPutsTheChartBack) {
  const double tenMinuteValue = doc.series().values[600];
  TableSnapshot snap;
  prepareTableJob(doc, state, windows, &zoom, TableRequest{TableKind::HourlyMonth, 2024, 5, "観測所"}, -1, snap);
  expectChartAsBefore();
  EXPECT_EQ(doc.series().values[600], tenMinuteValue);
  EXPECT_EQ(printModeOf(doc).printKind, -1);
  EXPECT_TRUE(printModeOf(doc).tablePage());
  EXPECT_EQ(doc.tableKind, 0);
  EXPECT_EQ(snap.tableStart, jst(2024, 5, 1, 0, 0));
  EXPECT_EQ(snap.stationName, "観測所");
  HourlySeries hourly;
  ASSERT_EQ(hourly.build(doc.recording()), 1);
  EXPECT_EQ(snap.seriesStart, hourly.startTime);
  ASSERT_EQ(snap.values.size(), static_cast<size_t>(hourly.valueCount));
  EXPECT_TRUE(std::equal(snap.values.begin(), snap.values.end(), hourly.values.get()));
  // The same snapshot as a tool builds straight from the recording.
  const auto direct = makeTableSnapshot(doc.recording(), TableKind::HourlyMonth, 2024, 5, "観測所");
  ASSERT_TRUE(direct);
  EXPECT_EQ(direct->values, snap.values);
  EXPECT_EQ(direct->tableStart, snap.tableStart);
}

TEST_F(TableFlow, YearlyPreviewThenTheGraphCommandPrintsTheGraphAgain) {
  TableSnapshot snap;
  prepareTableJob(doc, state, windows, &zoom, TableRequest{TableKind::DailyYear, 2024, 1, ""}, 0, snap);
  expectChartAsBefore();
  EXPECT_EQ(doc.tableKind, 1);
  EXPECT_TRUE(printModeOf(doc).tablePage());
  EXPECT_EQ(snap.tableStart, jst(2024, 1, 1, 0, 0));
  EXPECT_EQ(snap.values.size(), 410u);  // 1 January 2024 to 13 February 2025
  setGraphPrintMode(doc, -1);
  EXPECT_TRUE(printModeOf(doc).graphPage());
  EXPECT_FALSE(printModeOf(doc).tablePage());
  EXPECT_EQ(doc.tableKind, 1);  // kept for the next table command
}
