#include "StormEvents.h"

#include "SlotSums.h"

#include <algorithm>

namespace {

// Everything about an event that follows from its first and last wet slot.
StormEvent describe(const RainSlots& slots, const SlotSums& sums, int first, int last, const AlarmCriteria& alarms) {
  StormEvent e;
  e.firstSlot = first;
  e.lastSlot = last;
  e.start = slots.slotStart(first);
  e.end = slots.slotEnd(last);
  e.durationMin = (last - first + 1) * kSlotSeconds / 60;
  e.totalMm = sums.sum(first, last);
  e.meanMmPerH = e.totalMm * 60.0 / e.durationMin;
  e.peak10Mm = -1.0;
  e.max60Mm = -1.0;
  for (int j = first; j <= last; ++j) {
    const double v = slots.mm[static_cast<size_t>(j)];
    if (v > e.peak10Mm + kEqualMm) {
      e.peak10Mm = v;
      e.peak10End = slots.slotEnd(j);
    }
    const double own60 = sums.sum(std::max(first, j - kSlotsPerHour + 1), j);
    if (own60 > e.max60Mm + kEqualMm) {
      e.max60Mm = own60;
      e.max60End = slots.slotEnd(j);
    }
    if (!alarms.continuousMm && !alarms.hourlyMm && !alarms.hasCombined()) continue;
    // Inside an event the continuous rainfall is the rain since its start.
    const double continuous = sums.sum(first, j);
    const double hourly = sums.sum(std::max(0, j - kSlotsPerHour + 1), j);
    const auto reached = [](double value, const std::optional<double>& level) {
      return level && value + kEqualMm >= *level;
    };
    if (!e.alarmContinuousAt && reached(continuous, alarms.continuousMm)) e.alarmContinuousAt = slots.slotEnd(j);
    if (!e.alarmHourlyAt && reached(hourly, alarms.hourlyMm)) e.alarmHourlyAt = slots.slotEnd(j);
    if (!e.alarmCombinedAt && reached(continuous, alarms.combinedContinuousMm) &&
        reached(hourly, alarms.combinedHourlyMm))
      e.alarmCombinedAt = slots.slotEnd(j);
  }
  return e;
}

}  // namespace

std::vector<StormEvent> findStormEvents(const RainSlots& slots, const StormEventOptions& options) {
  const SlotSums sums(slots);
  const int n = slots.size();
  const int gap = std::clamp(options.gapSlots, 1, kMaxGapSlots);
  std::vector<StormEvent> events;

  int first = -1;  // wet slots of the open event; -1: none open
  int last = -1;
  bool openedNearMissing = false;
  int lastMissing = -1;
  int previousLast = -1;  // last wet slot of the previous event, dropped or not

  const auto close = [&](bool recordEnd, bool beforeMissing) {
    StormEvent e = describe(slots, sums, first, last, options.alarms);
    e.recordStart = first == 0;
    e.recordEnd = recordEnd;
    e.gap = openedNearMissing || beforeMissing;
    if (previousLast >= 0 && lastMissing < previousLast)
      e.dryBeforeMin = static_cast<int>((e.start - slots.slotEnd(previousLast)) / 60);
    previousLast = last;
    first = -1;
    if (e.totalMm + kEqualMm >= options.minDepthMm) events.push_back(e);
  };

  for (int k = 0; k < n; ++k) {
    const double v = slots.mm[static_cast<size_t>(k)];
    if (isMissing(v)) {
      if (first >= 0) close(false, k - last - 1 < gap);
      lastMissing = k;
      continue;
    }
    if (!isWet(v)) continue;
    if (first >= 0 && k - last - 1 >= gap) close(false, false);
    if (first < 0) {
      first = k;
      openedNearMissing = lastMissing >= 0 && k - lastMissing - 1 < gap;
    }
    last = k;
  }
  if (first >= 0) close(n - 1 - last < gap, false);
  return events;
}
