#pragma once
// CHorizontalScaleDlg: the horizontal scale dialog: the start and the end
// of the window as year, month, day, hour and minute fields, pre-filled from
// the recording's bounds. OK runs the checks of ScaleSettings in order and
// tells the user the first that fails; the dialog then stays open for
// correction. The view shows the accepted range.

#include "ScaleSettings.h"

#include <QDialog>

#include <array>

class QLineEdit;
class UserMessages;

class CHorizontalScaleDlg : public QDialog {
  Q_OBJECT

 public:
  CHorizontalScaleDlg(const HorizontalBounds& bounds, UserMessages& messages, QWidget* parent = nullptr);

  // The accepted start and end (0 until OK succeeded).
  int64_t start() const { return m_start; }
  int64_t end() const { return m_end; }
  // Field k (0..4 the start row, 5..9 the end row).
  QLineEdit* field(int k) const { return m_fields[static_cast<size_t>(k)]; }

 public slots:
  void accept() override;

 private:
  DateTexts row(int first) const;

  HorizontalBounds m_bounds;
  UserMessages& m_messages;
  std::array<QLineEdit*, 10> m_fields{};
  int64_t m_start = 0;
  int64_t m_end = 0;
};
