#pragma once
// What the two setting sessions need of their dialogs, so that the sessions
// stay free of widgets: read and show the form, enable the buttons and edits,
// move the focus. The dialogs implement these on the user-interface thread;
// tests implement them with plain members.

#include "DeviceStateForm.h"
#include "ReservationForm.h"

namespace device {

// What both dialogs have: the button column and the view button's focus.
class SettingButtonsUi {
 public:
  virtual ~SettingButtonsUi() = default;
  // The view button ("設定値を見る", "予約設定を見る"), OK and "閉じる" are
  // always enabled together.
  virtual void setButtonsEnabled(bool enabled) = 0;
  virtual void focusViewButton() = 0;
};

class DeviceStateUi : public SettingButtonsUi {
 public:
  virtual DeviceStateForm form() const = 0;
  virtual void setForm(const DeviceStateForm& form) = 0;
  // The texts, boxes and buzzer choice; frozen while a write is under way.
  virtual void setEditsEnabled(bool enabled) = 0;
};

class ReservationUi : public SettingButtonsUi {
 public:
  virtual ReservationForm form() const = 0;
  virtual void setForm(const ReservationForm& form) = 0;
  // The five date and time edits.
  virtual void setDateEditsEnabled(bool enabled) = 0;
  // The name edit and the start-method choice; frozen while a start is
  // under way (the date edits are frozen through setDateEditsEnabled).
  virtual void setOrderEditsEnabled(bool enabled) = 0;
};

}  // namespace device
