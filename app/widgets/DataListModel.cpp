#include "DataListModel.h"

DataListModel::DataListModel(const DataListRows& rows, QObject* parent) : QAbstractListModel(parent), m_rows(rows) {}

void DataListModel::showInterval(int listInterval) {
  beginResetModel();
  m_interval = listInterval;
  m_count = m_rows.rowCount(listInterval);
  endResetModel();
}

int DataListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_count; }

QVariant DataListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_count) return {};
  return QString::fromStdString(m_rows.rowText(m_interval, index.row()));
}
