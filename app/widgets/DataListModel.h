#pragma once
// DataListModel: the data list's rows for a list view. It holds no row
// objects: the view asks for the rows it shows and DataListRows makes their
// text. Switching the interval resets the model.

#include "DataListRows.h"

#include <QAbstractListModel>

class DataListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit DataListModel(const DataListRows& rows, QObject* parent = nullptr);

  void showInterval(int listInterval);
  int interval() const { return m_interval; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const DataListRows& m_rows;
  int m_interval = listinterval::None;
  int m_count = 0;
};
