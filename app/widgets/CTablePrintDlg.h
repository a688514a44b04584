#pragma once
// CTablePrintDlg: the table print settings dialog ("ﾃｷｽﾄ表印刷設定") - which
// table, its month or year, and an optional station name. It starts with
// the monthly table chosen and the yearly year field disabled; OK checks the
// fields with checkTablePrintFields and, when they are refused, says so
// through the program's messages and stays open.
//
// It owns its widgets only; what the command does with the request is
// CPrintCommands' business.

#include "TablePrintSettings.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QRadioButton;
class UserMessages;

class CTablePrintDlg : public QDialog {
  Q_OBJECT

 public:
  CTablePrintDlg(UserMessages& messages, QWidget* parent = nullptr);

  TablePrintFields fields() const;
  // The accepted request (after OK).
  const std::optional<TableRequest>& request() const { return m_request; }

  void accept() override;

 private:
  void chooseKind(bool monthly);

  UserMessages& m_messages;
  QRadioButton* m_monthly = nullptr;
  QRadioButton* m_yearly = nullptr;
  QLineEdit* m_monthYear = nullptr;
  QLineEdit* m_month = nullptr;
  QLineEdit* m_yearYear = nullptr;
  QLineEdit* m_station = nullptr;
  std::optional<TableRequest> m_request;
};
