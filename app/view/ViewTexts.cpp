#include "ViewTexts.h"

#include <algorithm>

const char* const kPlaceholder = "-----";
const char* const kMissingValue = "-";
const char* const kMissingMark = "*";

std::string intervalText(IntervalMode mode) {
  switch (mode) {
    case IntervalMode::Hourly: return "<Interval> : 1時間";
    case IntervalMode::Daily: return "<Interval> : 1日";
    case IntervalMode::TenMinute: return "<Interval> : 10分";
    case IntervalMode::Monthly: return "<Interval> : 1ヵ月";
  }
  return {};
}

HeaderTexts headerTexts(IntervalMode mode, int valueCount) {
  return {"<雨量単位> : mm", intervalText(mode), "<Sample> : " + std::to_string(valueCount)};
}

const std::array<StatsColumn, kStatsColumns>& statsColumns() {
  static const std::array<StatsColumn, kStatsColumns> columns{{
      {"Name", "ClmL1"},
      {"CursorA", "ClmL2"},
      {"CursorB", "ClmL3"},
      {"Max", "ClmL4"},
      {"Avrg", "ClmL5"},
      {"A～B", "ClmL6"},
      {"DateA", "ClmL7"},
      {"DateB", "ClmL8"},
  }};
  return columns;
}

std::string widestStatsDateText(char digit) {
  std::string text = "0000/00/00 00:00-00:00";
  for (char& c : text)
    if (c == '0') c = digit;
  return text;
}

int defaultStatsColumnWidth(int column, int w, int dateWidth) {
  switch (column) {
    case 0: return w / 11 + 30;
    case 1:
    case 2: return w / 11 + 10;
    case 3:
    case 4: return w / 14;
    case 5: return w / 14 + 10;
    case 6:
    case 7: return std::max(w / 11 + 60, dateWidth);
  }
  return 0;
}
