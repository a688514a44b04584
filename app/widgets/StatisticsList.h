#pragma once
// StatisticsList: the form's one-row list under the chart (list 1048): the
// data name, the values under cursors A and B, the maximum, average and sum
// from A to B and the two cursor dates, right-aligned.
//
// Owns its columns: their headers, their widths (stored in the settings
// group "ShownSeriesSpan" under each column's profile name, a width the
// dates need measured in its own font when none is stored) and its one row.
// Does not compute what the cells read (CursorStatistics and the view do).

#include <QTreeWidget>

class StatisticsList : public QTreeWidget {
  Q_OBJECT

 public:
  explicit StatisticsList(QWidget* parent);

  // Headers, the row and the widths, once: a view clientWidth wide gives
  // the default widths.
  void setUpColumns(int clientWidth);
  bool columnsSetUp() const { return m_columnsSetUp; }
  // Writes the column widths to the settings (after setUpColumns only).
  void storeColumnWidths();
  // Sets a cell of the row (nothing before setUpColumns).
  void setCell(int column, const QString& text);

 private:
  int dateWidth(QTreeWidgetItem* row);  // a date column's longest text, measured in row

  bool m_columnsSetUp = false;
};
