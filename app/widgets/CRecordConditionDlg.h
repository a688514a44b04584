#pragma once
// CRecordConditionDlg: "記録条件ﾒﾝﾃﾅﾝｽ" - the recording's start time and data
// name. The name field takes at most 16 Shift-JIS bytes: an edit that would
// exceed them, split a double-byte character or use a character Shift-JIS
// lacks is undone. On OK the checks of RecordConditions run in order and the
// first failure is shown, the dialog staying open.

#include "RecordConditions.h"

#include <QDialog>

#include <array>

class QLineEdit;
class UserMessages;

class CRecordConditionDlg : public QDialog {
  Q_OBJECT

 public:
  CRecordConditionDlg(const RecordConditionTexts& texts, UserMessages& messages, QWidget* parent = nullptr);

  const RecordConditionChange& change() const { return m_change; }
  QLineEdit* dateField(int i) const { return m_date[static_cast<size_t>(i)]; }
  QLineEdit* nameField() const { return m_name; }

  void accept() override;

 private:
  UserMessages& m_messages;
  RecordConditionChange m_change;
  std::array<QLineEdit*, 5> m_date{};
  QLineEdit* m_name = nullptr;
  QString m_lastFittingName;
};
