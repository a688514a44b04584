#include "DataListRows.h"

#include "RecordingFixture.h"
#include "TestClock.h"

#include <gtest/gtest.h>

TEST(DataListRows, LabelsAndValuesOfEveryInterval) {
  // 2024-04-30 23:00 to 2024-05-02 02:00, 0.5 mm per sample.
  auto rec = makeSteady(jst(2024, 4, 30, 23, 0), 27 * 6);
  DataListRows rows;
  ASSERT_TRUE(rows.build(*rec, false, 0));
  EXPECT_EQ(rows.rowText(listinterval::Hourly, 0), "2024/04/30 ～24:00  [    3.0 mm]");
  EXPECT_EQ(rows.rowText(listinterval::Hourly, 1), "2024/05/01 ～ 1:00  [    3.0 mm]");
  // The day of 1 May ends at 24:00 of 1 May.
  EXPECT_EQ(rows.rowText(listinterval::Daily, 0), "2024/05/01 ～24:00  [   72.0 mm]");
  EXPECT_EQ(rows.rowText(listinterval::TenMinute, 5), "2024/04/30 ～24:00  [    0.5 mm]");
  EXPECT_EQ(rows.rowText(listinterval::TenMinute, 6), "2024/05/01 ～ 0:10  [    0.5 mm]");
  EXPECT_EQ(rows.rowText(listinterval::Monthly, 0), "2024/05  [   78.0 mm]");
  // Nothing past the series, nothing for no interval.
  EXPECT_EQ(rows.rowCount(listinterval::Hourly), 27);
  EXPECT_EQ(rows.rowText(listinterval::Hourly, 27), "");
  EXPECT_EQ(rows.rowText(listinterval::Hourly, -1), "");
  EXPECT_EQ(rows.rowCount(listinterval::None), 0);
  // A value of four digits still fits the seven places.
  auto big = makeSteady(jst(2024, 4, 30, 0, 0), 144 * 2, 0x0FFF);
  ASSERT_TRUE(rows.build(*big, false, 0));
  EXPECT_EQ(rows.rowText(listinterval::Daily, 0), "2024/04/30 ～24:00  [294840.0 mm]");
  EXPECT_EQ(rows.rowText(listinterval::TenMinute, 0), "2024/04/30 ～ 0:10  [ 2047.5 mm]");
}

TEST(DataListRows, PendingStartTimeAndRefusedRecordings) {
  auto rec = makeSteady(jst(2024, 6, 1, 10, 0), 12);
  DataListRows rows;
  ASSERT_TRUE(rows.build(*rec, true, jst(2024, 6, 1, 10, 10)));
  // The changed start moves the first hour to 11:00.
  EXPECT_EQ(rows.rowText(listinterval::Hourly, 0), "2024/06/01 ～12:00  [    3.0 mm]");
  ASSERT_TRUE(rows.build(*rec, false, jst(2024, 6, 1, 10, 10)));
  EXPECT_EQ(rows.rowText(listinterval::Hourly, 0), "2024/06/01 ～11:00  [    3.0 mm]");

  auto refused = makeRecording(jst(2024, 6, 1, 10, 0), {1}, 0x1001, "00060");
  EXPECT_FALSE(rows.build(*refused, false, 0));
  EXPECT_EQ(rows.rowCount(listinterval::TenMinute), 0);
  EXPECT_EQ(rows.rowText(listinterval::TenMinute, 0), "");
}

TEST(DataListRows, LinkScrollsToTheGraphsFirstValueAndOnlyOnItsInterval) {
  EXPECT_EQ(linkRow(0, 100), 0);
  EXPECT_EQ(linkRow(17, 100), 17);
  // Never a row the list does not have.
  EXPECT_EQ(linkRow(150, 100), 99);
  EXPECT_EQ(linkRow(-3, 100), 0);
  EXPECT_EQ(linkRow(0, 0), -1);
  EXPECT_TRUE(linkEnabled(listinterval::TenMinute, IntervalMode::TenMinute));
  EXPECT_FALSE(linkEnabled(listinterval::Hourly, IntervalMode::Daily));
  for (IntervalMode m : {IntervalMode::Hourly, IntervalMode::Daily, IntervalMode::TenMinute, IntervalMode::Monthly})
    EXPECT_EQ(modeOfListInterval(listIntervalOf(m)), m);
}
