#include "AnalysisTableModel.h"

#include "RainAnalysisResults.h"

AnalysisTableModel::AnalysisTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void AnalysisTableModel::setTable(const AnalysisTable& table) {
  beginResetModel();
  m_table = table;
  m_order = sortedRows(m_table, m_sortColumn, m_sortOrder == Qt::DescendingOrder);
  endResetModel();
}

int AnalysisTableModel::tableRow(int viewRow) const {
  if (viewRow < 0 || static_cast<size_t>(viewRow) >= m_order.size()) return -1;
  return m_order[static_cast<size_t>(viewRow)];
}

int AnalysisTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int AnalysisTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_table.columns.size());
}

QVariant AnalysisTableModel::data(const QModelIndex& index, int role) const {
  const int row = tableRow(index.row());
  if (row < 0 || index.column() < 0 || index.column() >= columnCount()) return {};
  const TableCell& cell = m_table.rows[static_cast<size_t>(row)][static_cast<size_t>(index.column())];
  if (role == Qt::DisplayRole)
    return QString::fromStdString(cellDisplayText(m_table.columns[static_cast<size_t>(index.column())], cell));
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::AlignVCenter | (cell.number ? Qt::AlignRight : Qt::AlignLeft));
  return {};
}

QVariant AnalysisTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= columnCount()) return {};
  return QString::fromStdString(columnTitle(m_table.columns[static_cast<size_t>(section)]));
}

void AnalysisTableModel::sort(int column, Qt::SortOrder order) {
  m_sortColumn = column;
  m_sortOrder = order;
  beginResetModel();
  m_order = sortedRows(m_table, column, order == Qt::DescendingOrder);
  endResetModel();
}
