#pragma once
// AnalysisTable: a table of the analysis as plain data (column names, then
// rows of cell texts already formatted by AnalysisFormat.h), and its two
// written forms:
//   CSV   the column names, then one line per row, cells joined by commas,
//         lines ending in "\n"; an empty cell is an empty field
//   JSON  an array of objects with the column names as keys, in column
//         order; number cells as JSON numbers, text cells as strings, empty
//         cells as null; one object per line
// The window shows the same cells, so what it saves is what the tool writes.

#include <string>
#include <vector>

struct TableCell {
  std::string text;  // empty: no value
  bool number = false;
};

struct AnalysisTable {
  std::vector<std::string> columns;
  std::vector<std::vector<TableCell>> rows;

  void appendCsv(std::string& out) const;
  void appendJson(std::string& out) const;
};
