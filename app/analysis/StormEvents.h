#pragma once
// Storm events: the wet spells of a ten-minute series, split by dry gaps.
//
// A wet slot holds more than 0 mm. With a dry gap of G (gapSlots slots of
// ten minutes), two wet slots belong to the same event when fewer than G
// dry slots lie between them; a dry run of G or more separates events. A
// missing slot always ends an event (it is never bridged) and no event
// spans one.
//
// Per event (times are seconds since 1970; "end of slot" = its end time):
//   start / end       start of its first wet slot / end of its last wet slot
//   durationMin       (last - first + 1) * 10
//   totalMm           rain of its slots
//   peak10Mm / peak10End   largest slot and its end; the first on ties
//   max60Mm / max60End     largest sum of the event's own slots among the six
//                     slots ending at each slot end from the first to the last
//                     wet slot, and that end; the first on ties
//   meanMmPerH        totalMm / (durationMin / 60)
//   dryBeforeMin      minutes from the previous event's end (dropped by the
//                     minimum depth or not) to this start; empty for the
//                     first event and when a missing slot lies between them
//   recordStart       its first wet slot is the series' first slot
//   recordEnd         fewer than G dry slots follow its last wet slot before
//                     the series ends (the event may still be going on)
//   gap               fewer than G dry slots lie between a missing slot and
//                     its first wet slot, or between its last wet slot and a
//                     missing slot (it may have gone on through the gap)
//   alarm times       see AlarmCriteria.h; empty when the level never held
// Sums within kEqualMm of each other are equal. With minDepthMm, events
// whose total is below it are left out of the result; they are not merged
// into their neighbours.
//
// Plain functions over RainSlots; nothing here formats or prints.

#include "AlarmCriteria.h"
#include "RainSlots.h"

#include <optional>
#include <vector>

inline constexpr int kDefaultGapSlots = 36;      // 6 h
inline constexpr int kMaxGapSlots = 72 * kSlotsPerHour;

struct StormEventOptions {
  int gapSlots = kDefaultGapSlots;  // 1 .. kMaxGapSlots
  double minDepthMm = 0.0;          // 0: every event
  AlarmCriteria alarms;
};

struct StormEvent {
  int firstSlot = 0;  // index of the first and last wet slot
  int lastSlot = 0;
  int64_t start = 0;
  int64_t end = 0;
  int durationMin = 0;
  double totalMm = 0.0;
  double peak10Mm = 0.0;
  int64_t peak10End = 0;
  double max60Mm = 0.0;
  int64_t max60End = 0;
  double meanMmPerH = 0.0;
  std::optional<int> dryBeforeMin;
  bool recordStart = false;
  bool recordEnd = false;
  bool gap = false;
  std::optional<int64_t> alarmContinuousAt;
  std::optional<int64_t> alarmHourlyAt;
  std::optional<int64_t> alarmCombinedAt;
};

std::vector<StormEvent> findStormEvents(const RainSlots& rain, const StormEventOptions& options = {});
