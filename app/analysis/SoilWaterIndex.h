#pragma once
// Soil water index (土壌雨量指数), a reference value from one gauge: the
// official index is computed from radar-calibrated rain over a long
// history, so this one is labelled a reference value wherever it is shown.
//
// Three tanks in series, ten-minute steps (dt = 1/6 h), every storage 0 at
// the start. From the storages S1, S2, S3 before a step and the slot's rain r:
//   q = sum over a tank's side outlets of alpha * max(S - L, 0)
//     tank 1: L = 15 mm, alpha 0.10 /h and L = 60 mm, alpha 0.15 /h
//     tank 2: L = 15 mm, alpha 0.05 /h;   tank 3: L = 15 mm, alpha 0.01 /h
//   S1' = S1 - (q1 + 0.12 S1) dt + r
//   S2' = S2 - (q2 + 0.05 S2) dt + 0.12 S1 dt
//   S3' = S3 - (q3 + 0.01 S3) dt + 0.05 S2 dt
// each clamped at 0; the index at the slot's end is S1' + S2' + S3'.
// A missing slot: NaN there, and the tanks start again empty after it.
// spinUp as for an effective rainfall of T = 72 h (4 T = 288 h since the
// start or the end of the latest missing slot).

#include "IndexSeries.h"
#include "RainSlots.h"

inline constexpr double kSoilWaterSpinUpHalfLifeHours = 72.0;

IndexSeries soilWaterIndex(const RainSlots& rain);
