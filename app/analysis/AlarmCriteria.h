#pragma once
// AlarmCriteria: the rain levels at which a road is closed or a slope
// watched, as the storm events report them. Each level is optional; an
// event reports, for each level given, the end of the first of its slots at
// which the level held:
//   continuous  continuous rainfall (ContinuousRainfall.h) >= continuousMm
//   hourly      the gauge's moving 60-minute rain (the six slots ending
//               there, slots before the recording counting 0) >= hourlyMm;
//               an hour touching a missing slot counts its known slots:
//               the rain can only have been more, so a level reached on
//               them was reached
//   combined    continuous >= combinedContinuousMm and hourly >=
//               combinedHourlyMm at the same slot end
// Holds levels only; StormEvents evaluates them.

#include <optional>

struct AlarmCriteria {
  std::optional<double> continuousMm;
  std::optional<double> hourlyMm;
  std::optional<double> combinedContinuousMm;  // set together with combinedHourlyMm
  std::optional<double> combinedHourlyMm;

  bool hasCombined() const { return combinedContinuousMm && combinedHourlyMm; }
};
