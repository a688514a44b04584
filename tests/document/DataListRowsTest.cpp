#include "DataListRows.h"

#include "Integration.h"

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

TEST(DataListRows, MissingSlotsShowAsMissingAndAreNeverSummedAsZero) {
  // 2024-06-01 0:00, 24 samples of 0.5 mm; samples 7 and 8, in the second
  // hour, stand for slots no recording covers, as an archive recording
  // carries them.
  auto rec = makeSteady(jst(2024, 6, 1, 0, 0), 24);
  rec->missingSampleCount = 2;
  rec->missingMarks[7] = rec->missingMarks[8] = 1;
  DataListRows rows;
  ASSERT_TRUE(rows.build(*rec, false, 0));
  const TenMinuteSeries& ten = rows.tenMinute();
  int missingRow = -1;
  for (int i = 0; i < ten.valueCount; ++i) {
    if (!ten.isMissing(i)) continue;
    if (missingRow < 0) missingRow = i;
    // Same label, "-" right-aligned where the number stood.
    const std::string text = rows.rowText(listinterval::TenMinute, i);
    EXPECT_EQ(text.substr(text.size() - 14), "  [      - mm]") << i;
  }
  ASSERT_GE(missingRow, 1);
  const std::string known = rows.rowText(listinterval::TenMinute, missingRow - 1);
  EXPECT_EQ(known.substr(known.size() - 14), "  [    0.5 mm]");
  EXPECT_EQ(rows.rowText(listinterval::TenMinute, missingRow).size(), known.size());
  // The hour holding them is missing as a whole; the hour before is not.
  EXPECT_EQ(rows.rowText(listinterval::Hourly, 0), "2024/06/01 ～ 1:00  [    3.0 mm]");
  EXPECT_EQ(rows.rowText(listinterval::Hourly, 1), "2024/06/01 ～ 2:00  [      - mm]");
  EXPECT_EQ(rows.rowText(listinterval::Daily, 0), "2024/06/01 ～24:00  [      - mm]");

  // Integration over the gap: the known values only, with the count of
  // what was left out; a span clear of it has nothing to say.
  const IntegrationResult across = integrate(ten, {2024, 6, 1, 0, 0, 0}, {2024, 6, 1, 3, 0, 0});
  ASSERT_EQ(across.check, IntegrationCheck::Ok);
  EXPECT_EQ(across.missingSlots, 2);
  EXPECT_DOUBLE_EQ(across.sum, 0.5 * 16);
  EXPECT_NE(integrationMissingText(across.missingSlots).find("2"), std::string::npos);
  const IntegrationResult before = integrate(ten, {2024, 6, 1, 0, 0, 0}, {2024, 6, 1, 0, 30, 0});
  EXPECT_EQ(before.missingSlots, 0);
  EXPECT_EQ(integrationMissingText(before.missingSlots), "");

  // The same recording without the marks: every row a number again.
  rec->missingSampleCount = 0;
  rec->missingMarks[7] = rec->missingMarks[8] = 0;
  ASSERT_TRUE(rows.build(*rec, false, 0));
  EXPECT_EQ(rows.rowText(listinterval::Hourly, 1), "2024/06/01 ～ 2:00  [    3.0 mm]");
  EXPECT_EQ(integrate(rows.tenMinute(), {2024, 6, 1, 0, 0, 0}, {2024, 6, 1, 3, 0, 0}).missingSlots, 0);
}
