#pragma once
// The texts of the form's three fields and of the statistics list: headers,
// profile names, default widths and the placeholder of an empty cell.

#include "IntervalMode.h"

#include <array>
#include <string>

constexpr int kStatsColumns = 8;
extern const char* const kPlaceholder;  // "-----"
// A value of a bar with missing slots (station archive), and the mark after
// a figure made over a span with such bars.
extern const char* const kMissingValue;  // "-"
extern const char* const kMissingMark;   // "*"

struct HeaderTexts {
  std::string unit;
  std::string interval;
  std::string sample;
};

HeaderTexts headerTexts(IntervalMode mode, int valueCount);
std::string intervalText(IntervalMode mode);

struct StatsColumn {
  const char* header;
  const char* profileName;  // value in the "ShownSeriesSpan" section
};
const std::array<StatsColumn, kStatsColumns>& statsColumns();
// Width of a column before the user ever resized it, from the view's width;
// a date column is never narrower than dateWidth, the width its longest
// text needs (widestStatsDateText in the list's font, with the cell's
// margins).
int defaultStatsColumnWidth(int column, int clientWidth, int dateWidth = 0);
// The longest text a date column shows, a ten-minute period
// ("2024/08/31 16:30-16:40"), written with digit for every digit; the
// font's widest digit gives the widest text.
std::string widestStatsDateText(char digit);
