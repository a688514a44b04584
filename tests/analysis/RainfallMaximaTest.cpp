// Maximum rainfall by duration: windows attributed by their end across a
// month and a year end (midnight ends the day before), a period without a
// whole 72-hour window, ties in tenths of a millimetre, and windows
// touching missing slots.
#include "RainfallMaxima.h"
#include "Slots.h"
#include "StormEvents.h"

#include <gtest/gtest.h>

namespace {
const RainfallMaximum& find(const std::vector<RainfallMaximum>& rows, const std::string& period, const char* duration) {
  for (const RainfallMaximum& r : rows)
    if (r.period.label() == period && std::string(r.duration.label) == duration) return r;
  static const RainfallMaximum none{};
  ADD_FAILURE() << "no row " << period << " " << duration;
  return none;
}
}  // namespace

TEST(RainfallMaxima, WindowsCountForThePeriodHoldingTheirEndAcrossTheYearEnd) {
  // From 2024-12-31 23:00: 3 mm in the slot ending at midnight (24:00 of
  // the 31st), 2 mm in the next, 1 mm ending at 01:00.
  SlotsBuilder s;
  s.start = localTime(2024, 12, 31, 23);
  s.dry(5).rain({3.0, 2.0}).dry(4).rain({1.0});
  for (PeriodKind by : {PeriodKind::Year, PeriodKind::Month}) {
    const auto rows = rainfallMaxima(s.slots(), by);
    const std::string old = by == PeriodKind::Year ? "2024" : "2024-12";
    const std::string now = by == PeriodKind::Year ? "2025" : "2025-01";
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0].period.label(), old);
    EXPECT_EQ(rows[8].period.label(), now);
    for (size_t d = 0; d < 8; ++d) {
      EXPECT_STREQ(rows[d].duration.label, kMaximaDurations[d].label);
      EXPECT_STREQ(rows[8 + d].duration.label, kMaximaDurations[d].label);
    }
    const RainfallMaximum& lastOfYear = find(rows, old, "10min");
    EXPECT_EQ(lastOfYear.maxMm, 3.0);
    EXPECT_EQ(lastOfYear.windowEnd, localTime(2025, 1, 1)) << "the slot ending at 24:00 is the old year's";
    EXPECT_EQ(find(rows, old, "1h").maxMm, 3.0);
    EXPECT_FALSE(find(rows, old, "3h").maxMm.has_value()) << "no whole 3-hour window";
    EXPECT_EQ(find(rows, now, "10min").maxMm, 2.0);
    EXPECT_EQ(find(rows, now, "10min").windowEnd, localTime(2025, 1, 1, 0, 10));
    // The hour ending at 00:10 holds rain of both years; it counts for its end.
    EXPECT_EQ(find(rows, now, "1h").maxMm, 5.0);
    EXPECT_EQ(find(rows, now, "1h").windowEnd, localTime(2025, 1, 1, 0, 10));
    EXPECT_FALSE(find(rows, now, "3h").windowEnd.has_value());
  }
  const auto whole = rainfallMaxima(s.slots(), PeriodKind::Whole);
  ASSERT_EQ(whole.size(), 8u);
  EXPECT_EQ(whole[0].period.label(), "whole");
  EXPECT_EQ(whole[1].maxMm, 5.0);
}

TEST(RainfallMaxima, APeriodWithoutAWhole72HourWindowHasNoValueThere) {
  // 0.5 mm every slot from 2024-12-29 06:00 to 2025-01-02 06:00: the first
  // 72-hour window ends 2025-01-01 06:00, so 2024 has none.
  SlotsBuilder s;
  s.start = localTime(2024, 12, 29, 6);
  s.steady(4 * 144, 0.5);
  const auto rows = rainfallMaxima(s.slots(), PeriodKind::Year);
  ASSERT_EQ(rows.size(), 16u);
  EXPECT_FALSE(find(rows, "2024", "72h").maxMm.has_value());
  EXPECT_FALSE(find(rows, "2024", "72h").windowEnd.has_value());
  EXPECT_EQ(find(rows, "2024", "48h").maxMm, 144.0);
  EXPECT_EQ(find(rows, "2024", "48h").windowEnd, localTime(2024, 12, 31, 6)) << "the first on ties";
  EXPECT_EQ(find(rows, "2025", "72h").maxMm, 216.0);
  EXPECT_EQ(find(rows, "2025", "72h").windowEnd, localTime(2025, 1, 1, 6));
}

TEST(RainfallMaxima, TenthsThatSumUnevenlyInBinaryStillTieOnTheFirst) {
  // The 0.1-mm model: 0.3 mm alone, later 0.1 + 0.2 in one hour. Their
  // sums differ in the last binary digit; both are 0.3 mm and the first wins.
  SlotsBuilder s;
  s.rain({0.3}).dry(5).rain({0.1, 0.1}).dry(6).rain({0.1, 0.2}).dry(6);
  const auto rows = rainfallMaxima(s.slots(), PeriodKind::Whole);
  EXPECT_EQ(rows[1].windowEnd, s.end(5));
  EXPECT_NEAR(*rows[1].maxMm, 0.3, 1e-12);
  const auto events = findStormEvents(s.slots());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].max60End, s.end(0));
  EXPECT_EQ(events[0].peak10End, s.end(0));
}

TEST(RainfallMaxima, AWindowTouchingAMissingSlotIsNotCounted) {
  // A month wholly missing keeps its rows, empty; in July the 10 mm before
  // the gap count only in windows that end before it.
  SlotsBuilder s;
  s.start = localTime(2024, 7, 31, 23);
  s.dry(4).rain({10.0}).missing(1).missing(6 * 24 * 31).rain({1.0}).dry(6);
  const auto rows = rainfallMaxima(s.slots(), PeriodKind::Month);
  ASSERT_EQ(rows.size(), 24u);
  EXPECT_EQ(find(rows, "2024-07", "10min").maxMm, 10.0);
  EXPECT_FALSE(find(rows, "2024-07", "1h").maxMm.has_value()) << "the only whole hour touches the gap";
  for (const MaximaDuration& d : kMaximaDurations) EXPECT_FALSE(find(rows, "2024-08", d.label).maxMm.has_value());
  EXPECT_EQ(find(rows, "2024-09", "10min").maxMm, 1.0);
  EXPECT_EQ(find(rows, "2024-09", "1h").maxMm, 1.0);
  EXPECT_EQ(find(rows, "2024-09", "1h").windowEnd, localTime(2024, 9, 1, 1));
}
