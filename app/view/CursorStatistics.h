#pragma once
// CursorStatistics: the cells of the statistics row for the cursors of a
// DisplaySeries: the values under A and B, Max, Avrg and the A～B sum of
// the values from A to B inclusive ("%5.1f"), and the period of each cursor
// bar in the form of its interval mode. Plain function; the view puts the
// texts into the list (column 0, the data name, is the view's).
//
// A cursor not placed shows "-----", and so do Max and Avrg then (A～B keeps
// its text). A cursor past the last value has no value: it shows "-----"
// for its value, and Max, Avrg and A～B show "-----" too, rather than a
// figure made of slots that hold nothing.
//
// A bar with missing slots (a recording from the station archive) shows
// "    -" under a cursor; Max, Avrg and A～B are taken over the known bars
// only (Avrg divides by their number) and carry "*" when missing bars lie
// between; with no known bar at all they show "    -". A series without
// missing slots gives the same texts as ever.

#include "DisplaySeries.h"
#include "ViewTexts.h"

#include <array>
#include <optional>
#include <string>

class CursorStatistics {
 public:
  // Cells 0..7 of the row; nullopt leaves a cell as it is.
  using Row = std::array<std::optional<std::string>, kStatsColumns>;
  static Row compute(const DisplaySeries& series);

  // Period of the bar at 1-based index, ending at end (not used for
  // Monthly), as the DateA and DateB columns show it.
  static std::string periodText(const DisplaySeries& series, int index, int64_t end);
};
