#pragma once
// ReportPage: one printed page as plain data - the lines of its grid, the
// rectangle the chart control fills (chart pages only) and every text with
// the font it is written in. The page builders (GraphPages, HourlyMonthTable,
// DailyYearTable) fill it; ReportRenderer draws it on any drawing surface;
// tests read it.
//
// Coordinates are printer pixels from the top-left corner of the printable
// area; a line leaves its end point out and a text is placed by its top-left
// corner, as on the drawing surface.

#include <string>
#include <vector>

// Which of the print job's fonts a text is written in (heights in
// PrintFontHeights).
enum class ReportFont { Graph, Label, Summary, List, TableTitle, TableBody };

struct ReportRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const ReportRect&) const = default;
};

struct ReportLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool operator==(const ReportLine&) const = default;
};

struct ReportText {
  int x = 0;
  int y = 0;
  ReportFont font = ReportFont::TableBody;
  std::string text;  // UTF-8
  bool operator==(const ReportText&) const = default;
};

struct ReportPage {
  std::vector<ReportLine> lines;  // drawn first, in the black pen
  bool hasChart = false;          // the chart control draws into chart
  ReportRect chart;
  std::vector<ReportText> texts;  // drawn last, in order

  // The texts at exactly (x, y), for tests and tools.
  std::vector<std::string> textsAt(int x, int y) const;
  // The first text equal to s, or nullptr.
  const ReportText* find(const std::string& s) const;
};
