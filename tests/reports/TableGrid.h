#pragma once
// Test helper: reads the cells of a rainfall table page back by column and
// row from the cell positions the tables use, so tests can say "day 12, row
// 27 reads 15.0" instead of repeating coordinates.

#include "ReportPage.h"
#include "TableSnapshot.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

struct TableGrid {
  // Reference point of cell (column, row): x0 + column * colWidth + colWidth / 2
  // (before any shift) and yFirst + (row - 1) * rowHeight.
  int x0 = 0;
  int colWidth = 1;
  int yFirst = 0;
  int rowHeight = 1;
  int columns = 0;
  int rows = 0;

  struct Cell {
    std::string text;
    int x = 0;
  };
  using Cells = std::map<std::pair<int, int>, Cell>;

  // The text of cell (column, row), empty when the cell is blank.
  static std::string at(const Cells& cells, int column, int row) {
    auto it = cells.find({column, row});
    return it == cells.end() ? std::string() : it->second.text;
  }

  // Every body text that lies on a cell row and in a cell column 1..columns.
  Cells cells(const ReportPage& page) const {
    Cells out;
    for (const ReportText& t : page.texts) {
      if (t.font != ReportFont::TableBody) continue;
      const int dy = t.y - yFirst;
      if (dy < 0 || dy % rowHeight != 0) continue;
      const int row = dy / rowHeight + 1;
      // Shifted texts start left of the cell's middle but inside the cell.
      const int column = (t.x - x0) / colWidth;
      if (row > rows || column < 1 || column > columns) continue;
      out[{column, row}] = {t.text, t.x};
    }
    return out;
  }
};

// A snapshot for the station "観測所" with the given series.
inline TableSnapshot stationSnapshot(int64_t tableStart, int64_t seriesStart, std::vector<double> values) {
  TableSnapshot s;
  s.tableStart = tableStart;
  s.seriesStart = static_cast<int32_t>(seriesStart);
  s.stationName = "観測所";
  s.values = std::move(values);
  return s;
}
