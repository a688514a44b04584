#pragma once
// CDeviceStateDlg: the device-state dialog's widgets, nothing more. It shows a
// DeviceStateForm and hands the form back, enables its buttons and edits as
// told, and reports the three buttons through the callbacks its owner sets
// (view, OK, close). What is read, checked and sent is the session's
// (DeviceStateSession); the dialog owns only its widgets.

#include "SettingButtons.h"
#include "SettingDialogUi.h"

#include <QDialog>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;

class CDeviceStateDlg : public QDialog, public device::DeviceStateUi {
  Q_OBJECT

 public:
  explicit CDeviceStateDlg(QWidget* parent = nullptr);

  std::function<void()> onView;   // "設定値を見る"
  std::function<void()> onOk;     // OK: write the settings; the dialog stays
  std::function<void()> onClose;  // "閉じる" or any cancel, before the dialog ends

  device::DeviceStateForm form() const override;
  void setForm(const device::DeviceStateForm& form) override;
  void setButtonsEnabled(bool enabled) override;
  void setEditsEnabled(bool enabled) override;
  void focusViewButton() override;

  // A cancel while the buttons are disabled (a read or write under way) is
  // ignored, as the close button is.
  void reject() override;

 private:
  QCheckBox* m_showHour;
  QCheckBox* m_showDay;
  QCheckBox* m_showStart;
  QRadioButton* m_buzzerOn;
  QRadioButton* m_buzzerOff;
  QLineEdit* m_reset;
  QLineEdit* m_hour;
  QLineEdit* m_day;
  QLineEdit* m_start;
  SettingButtons m_buttons;
  int m_displayMask = 0;  // the form's member, kept between a fill and a read
};
