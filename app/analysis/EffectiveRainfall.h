#pragma once
// Effective rainfall (実効雨量) with a half-life of T hours, the hourly-weight
// scheme of hourly warning criteria evaluated every ten minutes: at each
// slot end t
//   R(t) = H(t) + a * R(t - 1 h),   a = 0.5^(1/T),
// where H(t) is the rain of the six slots ending at t (slots before the
// recording count 0) and R is 0 before the recording. So the six slot ends
// of each hour form six interleaved hourly sequences.
//
// A missing slot: R is NaN while H's hour touches it; afterwards R starts
// again from 0 as at a recording start (R of an earlier hour that is NaN
// counts 0). spinUp holds while less than 4 T has passed since the
// recording's start or since the end of the latest missing slot.

#include "IndexSeries.h"
#include "RainSlots.h"

inline constexpr double kMinHalfLifeHours = 0.5;
inline constexpr double kMaxHalfLifeHours = 720.0;

IndexSeries effectiveRainfall(const RainSlots& rain, double halfLifeHours);

// Shared by the indices: spinUp[k] = 1 while the end of slot k lies less
// than `seconds` after the series start or after the end of the latest
// missing slot up to k.
std::vector<uint8_t> spinUpFlags(const RainSlots& rain, double seconds);
