#pragma once
// AnalysisTableModel: one analysis table (storm events or maxima) for a table
// view. It maps rows and columns to the texts RainAnalysisResults computed
// and sorts by asking sortedRows for the order; it decides nothing itself.
//
// Holds a copy of the table and the current row order.

#include "AnalysisTable.h"

#include <QAbstractTableModel>

#include <vector>

class AnalysisTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit AnalysisTableModel(QObject* parent = nullptr);

  // A new table, shown in its own order (the sort column is reapplied).
  void setTable(const AnalysisTable& table);
  const AnalysisTable& table() const { return m_table; }
  // The table row shown at a view row.
  int tableRow(int viewRow) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  AnalysisTable m_table;
  std::vector<int> m_order;
  int m_sortColumn = -1;
  Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
