#pragma once
// CReservedRecordDlg: the reserved-recording dialog's widgets, nothing more.
// It shows a ReservationForm and hands it back, follows the start-method
// radio buttons with the date and time edits, enables what it is told, and
// reports the three buttons through the callbacks its owner sets (view, OK,
// close). What is read, checked and sent is the session's
// (ReservationSession); the dialog owns only its widgets.

#include "SettingButtons.h"
#include "SettingDialogUi.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QRadioButton;

class CReservedRecordDlg : public QDialog, public device::ReservationUi {
  Q_OBJECT

 public:
  explicit CReservedRecordDlg(QWidget* parent = nullptr);

  std::function<void()> onView;   // "予約設定を見る"
  std::function<void()> onOk;     // OK: start a recording; the dialog stays
  std::function<void()> onClose;  // "閉じる" or any cancel, before the dialog ends

  device::ReservationForm form() const override;
  void setForm(const device::ReservationForm& form) override;
  void setButtonsEnabled(bool enabled) override;
  void setDateEditsEnabled(bool enabled) override;
  void setOrderEditsEnabled(bool enabled) override;
  void focusViewButton() override;

  // A cancel while the buttons are disabled (a view or start under way) is
  // ignored, as the close button is.
  void reject() override;

 private:
  QLineEdit* m_name;
  QRadioButton* m_reserved;
  QRadioButton* m_immediate;
  QLineEdit* m_year;
  QLineEdit* m_month;
  QLineEdit* m_day;
  QLineEdit* m_hour;
  QLineEdit* m_minute;
  SettingButtons m_buttons;
};
