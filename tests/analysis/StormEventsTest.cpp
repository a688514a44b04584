// Storm events against series written out slot by slot: where a dry run
// splits them, the record-start, record-end and gap flags, peaks and their
// ties, the minimum depth, the alarm times, and missing slots.
#include "Slots.h"
#include "StormEvents.h"

#include <gtest/gtest.h>

namespace {
constexpr int kHour = 6;  // slots
}

TEST(StormEvents, ADryRunOfExactlyTheGapSplitsAndOneSlotLessJoins) {
  // G = 1 h: one wet slot, six dry, a wet slot, five dry, a wet slot, six dry.
  SlotsBuilder s;
  s.rain({1.0}).dry(6).rain({2.0}).dry(5).rain({3.0}).dry(6);
  StormEventOptions hour;
  hour.gapSlots = kHour;
  const auto events = findStormEvents(s.slots(), hour);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].start, s.start);
  EXPECT_EQ(events[0].end, s.end(0));
  EXPECT_TRUE(events[0].recordStart);
  EXPECT_FALSE(events[0].dryBeforeMin.has_value());
  const StormEvent& e = events[1];
  EXPECT_EQ(e.firstSlot, 7);
  EXPECT_EQ(e.lastSlot, 13);
  EXPECT_EQ(e.start, s.end(6));
  EXPECT_EQ(e.end, s.end(13));
  EXPECT_EQ(e.durationMin, 70);
  EXPECT_DOUBLE_EQ(e.totalMm, 5.0);
  EXPECT_NEAR(e.meanMmPerH, 5.0 / (70.0 / 60.0), 1e-12);
  EXPECT_EQ(e.dryBeforeMin, 60);
  EXPECT_FALSE(e.recordStart);
  EXPECT_FALSE(e.recordEnd) << "six dry slots after it: the event is over";
  EXPECT_FALSE(e.gap);

  // One dry slot fewer at the end: the event may still be going on.
  s.mm.pop_back();
  const auto open = findStormEvents(s.slots(), hour);
  ASSERT_EQ(open.size(), 2u);
  EXPECT_TRUE(open[1].recordEnd);
  EXPECT_FALSE(open[0].recordEnd);

  // The default gap of 6 h holds everything in one event.
  const auto whole = findStormEvents(s.slots());
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].durationMin, 140);
  EXPECT_TRUE(whole[0].recordStart);
  EXPECT_TRUE(whole[0].recordEnd);
}

TEST(StormEvents, RecordStartOnlyWhenTheFirstSlotIsWet) {
  SlotsBuilder s;
  s.dry(1).rain({1.0}).dry(40);
  const auto events = findStormEvents(s.slots());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_FALSE(events[0].recordStart);
  EXPECT_FALSE(events[0].recordEnd);
  EXPECT_TRUE(findStormEvents(SlotsBuilder{}.dry(0).slots()).empty());
}

TEST(StormEvents, PeaksTakeTheFirstOnTiesAndTheHourCountsOnlyTheEventsOwnSlots) {
  SlotsBuilder s;
  // Peak 5 four times; the hour reaches 13 ending at slot 3 and again at slot 12.
  s.rain({2, 5, 1, 5}).dry(6).rain({5, 5, 3}).dry(36);
  const auto events = findStormEvents(s.slots());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_DOUBLE_EQ(events[0].peak10Mm, 5.0);
  EXPECT_EQ(events[0].peak10End, s.end(1));
  EXPECT_DOUBLE_EQ(events[0].max60Mm, 13.0);
  EXPECT_EQ(events[0].max60End, s.end(3));

  // G = 10 min: 4 mm, one dry slot, 1 mm are two events; the second one's
  // hour holds only its own 1 mm, not the 4 mm of the event before.
  SlotsBuilder t;
  t.rain({4, 0, 1}).dry(1);
  StormEventOptions tenMinutes;
  tenMinutes.gapSlots = 1;
  const auto two = findStormEvents(t.slots(), tenMinutes);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_DOUBLE_EQ(two[1].max60Mm, 1.0);
  EXPECT_EQ(two[1].max60End, t.end(2));
  EXPECT_EQ(two[1].dryBeforeMin, 10);
  EXPECT_FALSE(two[1].recordEnd) << "one dry slot after it is the whole gap";
}

TEST(StormEvents, MinimumDepthDropsSmallEventsWithoutMergingThem) {
  SlotsBuilder s;
  s.rain({0.5}).dry(6).rain({4.0, 6.0}).dry(6).rain({0.5}).dry(6);
  StormEventOptions o;
  o.gapSlots = kHour;
  o.minDepthMm = 1.0;
  const auto events = findStormEvents(s.slots(), o);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].start, s.end(6));
  EXPECT_EQ(events[0].end, s.end(8));
  EXPECT_DOUBLE_EQ(events[0].totalMm, 10.0);
  EXPECT_EQ(events[0].dryBeforeMin, 60) << "dry time since the dropped event";
  o.minDepthMm = 10.0;  // a total equal to the depth stays
  EXPECT_EQ(findStormEvents(s.slots(), o).size(), 1u);
  o.minDepthMm = 10.1;
  EXPECT_TRUE(findStormEvents(s.slots(), o).empty());
}

TEST(StormEvents, AlarmsReportTheFirstSlotEndEachLevelHeld) {
  SlotsBuilder s;
  // Continuous 2, 4, ... 12 then 13 ... 18; hourly 2, 4, ... 12, 11, 10, 9 ...
  s.steady(6, 2.0).steady(6, 1.0).dry(36).rain({1.0}).dry(36);
  StormEventOptions o;
  o.alarms.continuousMm = 10.0;
  o.alarms.hourlyMm = 6.0;
  o.alarms.combinedContinuousMm = 15.0;
  o.alarms.combinedHourlyMm = 9.0;
  const auto events = findStormEvents(s.slots(), o);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].alarmContinuousAt, s.end(4));
  EXPECT_EQ(events[0].alarmHourlyAt, s.end(2));
  EXPECT_EQ(events[0].alarmCombinedAt, s.end(8)) << "continuous 15 with the hour still at 9";
  EXPECT_FALSE(events[1].alarmContinuousAt.has_value());
  EXPECT_FALSE(events[1].alarmHourlyAt.has_value());
  EXPECT_FALSE(events[1].alarmCombinedAt.has_value());
  o.alarms.combinedHourlyMm = 10.0;  // never together with continuous >= 15
  EXPECT_FALSE(findStormEvents(s.slots(), o)[0].alarmCombinedAt.has_value());
}

TEST(StormEvents, AMissingSlotIsNeverBridgedAndFlagsTheEventsBesideIt) {
  SlotsBuilder s;
  // 1 mm, a dry slot, a missing slot, a dry slot, 2 mm: two events, both
  // flagged, and no dry time across the gap.
  s.rain({1.0}).dry(1).missing(1).dry(1).rain({2.0}).dry(36);
  auto events = findStormEvents(s.slots());
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[0].gap);
  EXPECT_TRUE(events[0].recordStart);
  EXPECT_EQ(events[0].end, s.end(0));
  EXPECT_TRUE(events[1].gap);
  EXPECT_EQ(events[1].start, s.end(3));
  EXPECT_FALSE(events[1].dryBeforeMin.has_value());

  // A whole gap of dry slots on both sides: the events are complete, but
  // the dry time between them is still unknown.
  SlotsBuilder far;
  far.rain({1.0}).dry(36).missing(3).dry(36).rain({1.0}).dry(36);
  events = findStormEvents(far.slots());
  ASSERT_EQ(events.size(), 2u);
  EXPECT_FALSE(events[0].gap);
  EXPECT_FALSE(events[1].gap);
  EXPECT_FALSE(events[1].dryBeforeMin.has_value());

  // The hourly alarm counts the known slots of an hour touching the gap.
  SlotsBuilder after;
  after.missing(1).rain({3.0, 3.0}).dry(36);
  StormEventOptions o;
  o.alarms.hourlyMm = 6.0;
  events = findStormEvents(after.slots(), o);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(events[0].gap);
  EXPECT_FALSE(events[0].recordStart);
  EXPECT_EQ(events[0].alarmHourlyAt, after.end(2));
}
