#pragma once
// RainAnalysisSettings: the choices of the rain analysis window - the dry gap
// that separates storm events, the minimum depth of an event, the two
// half-lives of the effective rainfall, the alarm levels and whether the
// maxima table lists months - and the check of the texts the user typed for
// them. The window shows the texts and the message; which field is wrong,
// what the message says and what the values become are decided here.
//
// Ranges (the same as the command-line tool's options):
//   gap         minutes, a multiple of 10 from 10 to 4320 (72 h)
//   min depth   millimetres, 0 or more (empty: 0, every event)
//   half-lives  hours, 0.5 to 720
//   alarms      millimetres, more than 0, each optional; the combined pair
//               is given whole or not at all
// Numbers are plain decimals ("12", "12.5"); no sign, exponent or spaces
// inside.
//
// Owns plain values only; storing them is the window's (settingsKeys names
// the values of the settings group).

#include "StormEvents.h"

#include <array>
#include <optional>
#include <string>

enum class AnalysisField {
  Gap,
  MinDepth,
  HalfLifeShort,
  HalfLifeLong,
  AlarmContinuous,
  AlarmHourly,
  CombinedContinuous,
  CombinedHourly
};
inline constexpr int kAnalysisFieldCount = 8;
using AnalysisFieldTexts = std::array<std::string, kAnalysisFieldCount>;

struct RainAnalysisSettings {
  int gapMinutes = kDefaultGapSlots * 10;
  double minDepthMm = 0.0;
  double halfLifeShortH = 1.5;
  double halfLifeLongH = 72.0;
  AlarmCriteria alarms;
  bool monthlyMaxima = false;

  StormEventOptions eventOptions() const;
  bool operator==(const RainAnalysisSettings& o) const;
};

struct AnalysisSettingsCheck {
  std::optional<RainAnalysisSettings> settings;  // set when every field is good
  AnalysisField field = AnalysisField::Gap;       // the first bad field
  std::string message;                            // what the user is told
};

AnalysisSettingsCheck checkAnalysisSettings(const AnalysisFieldTexts& texts, bool monthlyMaxima);
// The texts that give back these settings (empty for an alarm not given).
AnalysisFieldTexts analysisFieldTexts(const RainAnalysisSettings& settings);
// The value names of the fields in the settings group, in field order.
const std::array<const char*, kAnalysisFieldCount>& analysisSettingsKeys();
inline constexpr const char* kAnalysisSettingsGroup = "RainAnalysis";
inline constexpr const char* kAnalysisMonthlyKey = "MonthlyMaxima";
