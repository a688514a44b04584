#pragma once
// Continuous rainfall (連続雨量) with the storm events' dry gap G: at each
// slot end, the rain summed since the current event began. It keeps the
// event's total through dry slots and returns to 0 at the slot end where
// the dry run reaches G slots; it is 0 before the first wet slot. At a
// missing slot it is NaN, and after one it starts again from 0 (an event
// never bridges a missing slot). So, for every slot from an event's first
// wet slot to its last, it equals the rain of the event so far.

#include "RainSlots.h"

#include <vector>

std::vector<double> continuousRainfall(const RainSlots& rain, int gapSlots);
