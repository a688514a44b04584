#pragma once
// CPortSelectDlg: the port dialog ("通信ﾎﾟｰﾄ設定"): the COM1-COM9 list, OK,
// cancel and the automatic detection. PortSelection decides; the dialog
// shows the list and closes when PortSelection says so.

#include "PortSelection.h"

#include <QDialog>

class QComboBox;
class QPushButton;

class CPortSelectDlg : public QDialog {
  Q_OBJECT

 public:
  CPortSelectDlg(device::DeviceLink& link, UserMessages& messages, int& selectedPort,
                 device::PortSelection::Store store, QWidget* parent = nullptr);

  QComboBox* portList() const { return m_list; }

 public slots:
  void accept() override;

 private:
  device::PortSelection m_selection;
  QComboBox* m_list = nullptr;
  QPushButton* m_detect = nullptr;
};
