#pragma once
// Series of an interval bucketed from a SlotRun, for data that spans several
// recordings (the station archive). Each bucket holds the rain of the slots
// present in it and, in RainSeries::missingSlots, how many of its ten-minute
// slots are missing; a slot of a bucket that lies outside the run counts as
// missing too. Buckets are local-calendar hours, days and months (UTC+9) and
// ten-minute slots, as the series of a recording have them.
//
// Plain functions; the series returned owns its values.

#include "IntervalMode.h"
#include "RainSeries.h"
#include "SlotRun.h"

#include <cstdint>
#include <memory>

// Start of the bucket of mode that contains t.
int64_t bucketContaining(IntervalMode mode, int64_t t);
// Start of the bucket after the one starting at bucketStart.
int64_t nextBucketStart(IntervalMode mode, int64_t bucketStart);

// The series of mode over the buckets from the one containing the run's
// first slot to the one containing its last (none for an empty run).
std::unique_ptr<RainSeries> buildSlotSeries(IntervalMode mode, const SlotRun& run);
