#include "Integration.h"

#include "RecordingFixture.h"
#include "TenMinuteSeries.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {
CalendarFields at(int y, int mo, int d, int h, int mi, int s = 0) { return {y, mo, d, h, mi, s}; }
}  // namespace

TEST(Integration, WholeSeriesSumsEveryValueAndAMinuteEarlyIsAccepted) {
  std::vector<uint16_t> samples(300);
  for (size_t k = 0; k < samples.size(); ++k) samples[k] = static_cast<uint16_t>(k % 7);
  auto rec = makeRecording(jst(2024, 6, 1, 10, 0), samples, 0x2001);
  TenMinuteSeries ten;
  ASSERT_EQ(ten.build(*rec), 1);
  const double total = std::accumulate(ten.values.get(), ten.values.get() + ten.valueCount, 0.0);
  // Series from 10:00, 301 slots: the end is 10:00 + 3010 min = 2024-06-03 12:10.
  IntegrationResult whole = integrate(ten, at(2024, 6, 1, 10, 0), at(2024, 6, 3, 12, 10));
  ASSERT_EQ(whole.check, IntegrationCheck::Ok);
  EXPECT_DOUBLE_EQ(whole.sum, total);
  EXPECT_GT(whole.sum, 0);
  // The field has no seconds, so a minute early is the earliest start there is.
  EXPECT_EQ(integrate(ten, at(2024, 6, 1, 9, 59), at(2024, 6, 3, 12, 10)).check, IntegrationCheck::Ok);
  EXPECT_EQ(integrate(ten, at(2024, 6, 1, 9, 58), at(2024, 6, 3, 12, 10)).check, IntegrationCheck::StartOutside);
  EXPECT_EQ(integrate(ten, at(2024, 6, 1, 10, 0), at(2024, 6, 3, 12, 11)).check, IntegrationCheck::EndOutside);
  // One slot: 10:20 to 10:30 holds sample 2 alone; a slot starting at the end is not counted.
  IntegrationResult one = integrate(ten, at(2024, 6, 1, 10, 20), at(2024, 6, 1, 10, 30));
  ASSERT_EQ(one.check, IntegrationCheck::Ok);
  EXPECT_DOUBLE_EQ(one.sum, 0.2);
  EXPECT_EQ(integrationText(one.sum), "0.2");
  EXPECT_EQ(integrationText(1234.56789), "1234.57");
}

TEST(Integration, ChecksInOrderWithTheirMessagesAndFocus) {
  auto rec = makeSteady(jst(2024, 6, 1, 10, 0), 100);
  TenMinuteSeries ten;
  ASSERT_EQ(ten.build(*rec), 1);
  IntegrationResult r = integrate(ten, at(2024, 2, 30, 10, 0), at(0, 0, 0, 0, 0));
  EXPECT_EQ(r.check, IntegrationCheck::StartInvalid);
  EXPECT_STREQ(integrationMessage(r.check), "積算開始日時が正しく入力されていません。");
  EXPECT_TRUE(integrationFocusOnStart(r.check));
  r = integrate(ten, at(2024, 6, 1, 10, 0), at(2024, 6, 1, 24, 0));
  EXPECT_EQ(r.check, IntegrationCheck::EndInvalid);
  EXPECT_STREQ(integrationMessage(r.check), "積算終了日時が正しく入力されていません。");
  EXPECT_FALSE(integrationFocusOnStart(r.check));
  r = integrate(ten, at(2024, 6, 1, 10, 30), at(2024, 6, 1, 10, 30));
  EXPECT_EQ(r.check, IntegrationCheck::StartNotBeforeEnd);
  EXPECT_STREQ(integrationMessage(r.check), "\"積算開始日時 ≧ 積算終了日時\" になっています。");
  EXPECT_STREQ(integrationMessage(IntegrationCheck::StartOutside), "積算開始日時がﾃﾞｰﾀの時刻範囲外です。");
  EXPECT_STREQ(integrationMessage(IntegrationCheck::EndOutside), "積算終了日時がﾃﾞｰﾀの時刻範囲外です。");
  // Past the last second a 32-bit time holds.
  EXPECT_EQ(integrate(ten, at(2038, 1, 19, 12, 15), at(2038, 1, 19, 12, 30)).check, IntegrationCheck::StartInvalid);
}
