// Switching between interval modes and the window each mode remembers.
#include "CHyetoscopeDoc.h"
#include "RememberedSpans.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"

#include <gtest/gtest.h>

class IntervalSwitch : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.onOpenDocument(std::string(HY_SAMPLES_DIR) + "/long-2024-0.5mm.hyy"));
    doc.series().cursorA = 4;
    doc.series().cursorB = 9;
    doc.series().cursorAEnd = 111;
    doc.series().cursorBEnd = 222;
  }
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeDoc doc{state, messages};
  RememberedSpans windows;
};

TEST_F(IntervalSwitch, SameModeOnlyClearsTheCursors) {
  doc.series().visibleCount = 17;
  doc.series().firstShownIndex = 5;
  doc.undoAvailable = true;
  EXPECT_FALSE(windows.switchTo(doc, state, IntervalMode::Hourly));
  EXPECT_EQ(doc.series().cursorA, 0);
  EXPECT_EQ(doc.series().cursorB, 0);
  EXPECT_EQ(doc.series().cursorAEnd, 0);
  EXPECT_EQ(doc.series().cursorBEnd, 0);
  EXPECT_EQ(doc.series().visibleCount, 17);
  EXPECT_EQ(doc.series().firstShownIndex, 5);
  EXPECT_EQ(doc.undoAvailable, 1);
}

TEST_F(IntervalSwitch, NewModeShowsTheWholeSeriesWithoutARememberedWindow) {
  doc.undoAvailable = true;
  state.firstShownIndexMirror = 42;
  ASSERT_TRUE(windows.switchTo(doc, state, IntervalMode::Daily));
  EXPECT_EQ(doc.intervalMode, IntervalMode::Daily);
  EXPECT_EQ(doc.series().intervalMode, IntervalMode::Daily);
  EXPECT_EQ(doc.series().verticalMax, 400);
  EXPECT_EQ(doc.series().firstShownIndex, 0);
  EXPECT_EQ(doc.series().visibleCount, doc.series().valueCount);
  EXPECT_EQ(state.firstShownIndexMirror, 0);
  EXPECT_EQ(doc.undoAvailable, 0);
  EXPECT_EQ(doc.series().cursorA, 0);
}

TEST_F(IntervalSwitch, RememberedWindowComesBackAndClearingForgetsIt) {
  windows.remember(IntervalMode::Hourly, {48, 120});
  ASSERT_TRUE(windows.switchTo(doc, state, IntervalMode::Daily));
  ASSERT_TRUE(windows.switchTo(doc, state, IntervalMode::Hourly));
  EXPECT_EQ(doc.series().visibleCount, 48);
  EXPECT_EQ(doc.series().firstShownIndex, 120);
  EXPECT_EQ(state.firstShownIndexMirror, 120);

  windows.clearAll();
  ASSERT_TRUE(windows.switchTo(doc, state, IntervalMode::Monthly));
  ASSERT_TRUE(windows.switchTo(doc, state, IntervalMode::Hourly));
  EXPECT_EQ(doc.series().visibleCount, doc.series().valueCount);
  EXPECT_EQ(doc.series().firstShownIndex, 0);
}

TEST_F(IntervalSwitch, EachModeKeepsItsOwnWindow) {
  windows.remember(IntervalMode::TenMinute, {144, 10});
  windows.remember(IntervalMode::Monthly, {3, 1});
  windows.clear(IntervalMode::Monthly);
  EXPECT_EQ(windows.remembered(IntervalMode::TenMinute).visibleCount, 144);
  EXPECT_EQ(windows.remembered(IntervalMode::Monthly).visibleCount, 0);
  ASSERT_TRUE(windows.switchTo(doc, state, IntervalMode::TenMinute));
  EXPECT_EQ(doc.series().visibleCount, 144);
  EXPECT_EQ(doc.series().firstShownIndex, 10);
}
