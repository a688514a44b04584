#pragma once
// ChartTicks: which bars of the chart carry a time label, and the label
// texts. Pure functions over the interval mode, the bar pitch and local time.
//
// The label spacing is read from a fixed table per mode, top row first: the
// first row whose pitch threshold the bar pitch exceeds gives the skip s
// (unlabelled bars between two labels) and the step S = (s + 1) bar lengths.
//
// Past the table's last row (about 9,700 hourly, 410 daily or 60,000
// ten-minute bars shown whole, which a full-length recording reaches on a
// narrow chart) the table has no answer. There the spacing continues from
// the last row: its number of bars per label is doubled until two labels lie
// at least kMinLabelSpacing pixels apart (or one label spans all bars).
// 80 pixels leave room for the widest label, the first one ("2024/01/01",
// about 70 pixels at the 13-pixel font, placed 39 pixels left of its tick),
// before the next one ("02/11", placed 10 pixels left of its tick). In the
// 640 x 480 window of a first start (a 571-pixel chart), the long sample
// shown whole gets a label every 12,000 ten-minute bars (about 83 days),
// every 1,568 hourly bars and every 63 daily bars, as the last rows give.
// Monthly charts have no table: every bar is labelled.

#include "IntervalMode.h"

#include <cstdint>
#include <string>

class ChartTicks {
 public:
  static constexpr double kMinLabelSpacing = 80.0;

  struct Spacing {
    int skip = 0;
    int64_t stepSeconds = 0;
    bool fromTable = false;  // false: the rule past the last row chose it
  };

  // Label spacing for bars of pitch p on a chart W pixels wide showing n
  // bars. Monthly gives skip 0 and step 0.
  static Spacing spacing(IntervalMode mode, double p, double w, int n);

  // Hourly labels of the bar ending at t: the date row and the hour row. The
  // hour ending at midnight reads "24'" and belongs to the previous day.
  struct TwoRows {
    std::string date;
    std::string time;
  };
  static TwoRows hourlyLabels(int64_t t, bool first);
  // Daily label of the day ending at t.
  static std::string dailyLabel(int64_t t, bool first);
  // Ten-minute labels of t, rounded down to ten minutes first.
  static TwoRows tenMinuteLabels(int64_t t, bool first);
  // Monthly label of the bar whose month is v months from December of the
  // year before startYear (v = start month + absolute index). The first
  // shown bar and every January carry the year.
  static std::string monthlyLabel(int startYear, int v, bool first, bool* withYear);
};
