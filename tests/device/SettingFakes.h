#pragma once
// Stand-ins for the two setting dialogs and for the user at the message
// boxes: plain members the tests read, touched on the test's
// user-interface thread only.

#include "SettingDialogUi.h"
#include "UserMessages.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct FakeDeviceStateUi : device::DeviceStateUi {
  device::DeviceStateForm shown;
  bool buttons = true;
  bool edits = true;
  int focusMoves = 0;

  device::DeviceStateForm form() const override { return shown; }
  void setForm(const device::DeviceStateForm& f) override { shown = f; }
  void setButtonsEnabled(bool enabled) override { buttons = enabled; }
  void setEditsEnabled(bool enabled) override { edits = enabled; }
  void focusViewButton() override { ++focusMoves; }
};

struct FakeReservationUi : device::ReservationUi {
  device::ReservationForm shown;
  bool buttons = true;
  bool dateEdits = true;
  bool orderEdits = true;
  int focusMoves = 0;

  device::ReservationForm form() const override { return shown; }
  void setForm(const device::ReservationForm& f) override { shown = f; }
  void setButtonsEnabled(bool enabled) override { buttons = enabled; }
  void setDateEditsEnabled(bool enabled) override { dateEdits = enabled; }
  void setOrderEditsEnabled(bool enabled) override { orderEdits = enabled; }
  void focusViewButton() override { ++focusMoves; }
};

// Message boxes on the user-interface thread: every one recorded, questions
// answered from a script (No when it runs out), and a hook that runs while a
// box is up.
struct AnsweringUser : UserMessages {
  struct Shown {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
  };
  std::vector<Shown> shown;
  std::deque<MessageAnswer> answers;
  std::function<void(const std::string&)> whileShown;

  MessageAnswer show(const std::string& text, MessageIcon icon, MessageButtons buttons) override {
    shown.push_back({text, icon, buttons});
    if (whileShown) whileShown(text);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::No;
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> t;
    for (const Shown& s : shown) t.push_back(s.text);
    return t;
  }
};
