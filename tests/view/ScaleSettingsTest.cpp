// The checks and results of the two scale dialogs, without the dialogs.
#include "CHyetoscopeDoc.h"
#include "ChartNavigation.h"
#include "RecordingState.h"
#include "ScaleSettings.h"
#include "ScriptedMessages.h"
#include "TestClock.h"

#include <gtest/gtest.h>

TEST(VerticalScale, AcceptsFiveToThousandRoundedToTens) {
  const std::pair<const char*, int> accepted[] = {
      {"5", 10}, {"14", 10}, {"15", 20}, {"995", 1000}, {"1000", 1000}, {" 96mm", 100}, {"250", 250}};
  for (const auto& [text, value] : accepted) EXPECT_EQ(verticalScaleValue(text), value) << text;
  for (const char* text : {"4", "1001", "", "abc", "-50", "99999999999"})
    EXPECT_EQ(verticalScaleValue(text), std::nullopt) << text;
  EXPECT_EQ(verticalScaleText(0, IntervalMode::Daily), "400");
  EXPECT_EQ(verticalScaleText(0, IntervalMode::TenMinute), "50");
  EXPECT_EQ(verticalScaleText(0, IntervalMode::Monthly), "800");
  EXPECT_EQ(verticalScaleText(70, IntervalMode::Hourly), "70");
}

class HorizontalScale : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.onOpenDocument(std::string(HY_SAMPLES_DIR) + "/short-2026-06-0.5mm.hyy"));
    bounds = horizontalBounds(doc.recording());
    window.startHistory();
  }
  // Checks the rows and, when accepted, shows the range as the OK does.
  HorizontalCheck ok(const DateTexts& start, const DateTexts& end) {
    HorizontalCheck c = checkHorizontalRange(start, end, bounds);
    if (c.message == nullptr) window.showRange(c.start, c.end);
    return c;
  }
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeDoc doc{state, messages};
  RememberedSpans windows;
  ChartNavigation window{doc, state, windows};
  HorizontalBounds bounds;
};

TEST_F(HorizontalScale, OkWithoutChangesShowsTheWholeRecordingAndOneBarMore) {
  const RecordingBuffer& r = doc.recording();
  EXPECT_EQ(bounds.lower, r.startTime - r.startTime % 600);
  EXPECT_EQ(bounds.upper % 600, 0);
  EXPECT_GT(bounds.upper, r.startTime + 600LL * r.sampleCount());
  doc.series().visibleCount = 5;
  doc.series().firstShownIndex = 7;
  const HorizontalCheck c = ok(dateTextsAt(bounds.lower), dateTextsAt(bounds.upper));
  ASSERT_EQ(c.message, nullptr);
  EXPECT_EQ(c.start, bounds.lower);
  EXPECT_EQ(doc.series().firstShownIndex, 0);
  EXPECT_EQ(doc.series().visibleCount, (bounds.upper - bounds.lower) / 3600 + 1);
  EXPECT_GE(doc.series().visibleCount, doc.series().valueCount);
  EXPECT_EQ(state.firstShownIndexMirror, 0);
}

TEST_F(HorizontalScale, StartOnTheRecordingsFirstSecondAndEndMidHour) {
  const int64_t start = doc.series().seriesStart;  // the first hourly bar's start
  // (S - series start) / 3600 = 0 would give f = -1: it is 0.
  DateTexts from = dateTextsAt(std::max<int64_t>(start, bounds.lower));
  const int64_t s5 = start + 5 * 3600;
  // An end 40 minutes into an hour counts whole bars only.
  DateTexts to = dateTextsAt(s5 + 40 * 60);
  HorizontalCheck c = ok(from, to);
  ASSERT_EQ(c.message, nullptr);
  EXPECT_EQ(doc.series().firstShownIndex, 0);
  EXPECT_EQ(doc.series().visibleCount, (s5 + 2400 - c.start) / 3600 + 1);

  // A start in the middle of the fourth hour: f = 3 - 1.
  from = dateTextsAt(start + 3 * 3600 + 30 * 60);
  c = ok(from, to);
  ASSERT_EQ(c.message, nullptr);
  EXPECT_EQ(doc.series().firstShownIndex, 2);
  EXPECT_EQ(doc.series().visibleCount, 3);
}

TEST_F(HorizontalScale, ChecksInOrderWithTheirMessages) {
  const DateTexts lower = dateTextsAt(bounds.lower);
  const DateTexts upper = dateTextsAt(bounds.upper);
  DateTexts feb30 = lower;
  feb30.month = "2";
  feb30.day = "30";
  DateTexts badMinute = lower;
  badMinute.minute = "60";
  DateTexts past2038 = lower;
  past2038.year = "2038";
  past2038.month = "01";
  past2038.day = "19";
  past2038.hour = "13";  // 04:14:08 UTC is the first second past 32 bits
  past2038.minute = "15";

  // A wrong start is reported before a wrong end.
  EXPECT_STREQ(checkHorizontalRange(feb30, badMinute, bounds).message, scaletext::kDateWrong);
  EXPECT_STREQ(checkHorizontalRange(lower, feb30, bounds).message, scaletext::kDateWrong);
  EXPECT_STREQ(checkHorizontalRange(lower, past2038, bounds).message, scaletext::kDateWrong);
  // 30 February is never read as 2 March.
  DateTexts march2 = lower;
  march2.month = "3";
  march2.day = "2";
  EXPECT_STREQ(checkHorizontalRange(feb30, march2, bounds).message, scaletext::kDateWrong);

  EXPECT_STREQ(checkHorizontalRange(dateTextsAt(bounds.lower - 600), upper, bounds).message, scaletext::kStartWrong);
  EXPECT_STREQ(checkHorizontalRange(lower, dateTextsAt(bounds.upper + 60), bounds).message, scaletext::kEndWrong);
  EXPECT_STREQ(checkHorizontalRange(upper, lower, bounds).message, scaletext::kStartWrong);
  EXPECT_STREQ(checkHorizontalRange(lower, lower, bounds).message, scaletext::kStartWrong);
  // A start before the recording is named before an end after it.
  EXPECT_STREQ(checkHorizontalRange(dateTextsAt(bounds.lower - 600), dateTextsAt(bounds.upper + 600), bounds).message,
               scaletext::kStartWrong);
}

TEST_F(HorizontalScale, VerticalScaleIsKeptPerModeAndInitialSizeRestoresTheDefault) {
  window.setVerticalMax(*verticalScaleValue("14"));
  EXPECT_EQ(doc.series().verticalMax, 10);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Hourly), 10);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Daily), 400);
  EXPECT_EQ(doc.verticalMax(IntervalMode::TenMinute), 50);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Monthly), 800);
  window.initialSize();
  EXPECT_EQ(doc.series().verticalMax, 100);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Hourly), 100);
}
