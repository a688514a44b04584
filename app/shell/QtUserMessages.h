#pragma once
// The program's UserMessages: modal message boxes owned by the window that
// shows them, and the file chooser the data-file library asks (a file dialog).
//
// The owner is the modal dialog in front (a worker's message during a device
// dialog, a settings dialog's refusal), else the active window (the modeless
// data list), else the main window set with setParent. When the box closes
// the owner is made active again, so the keyboard is back where the message
// came from (a dialog puts its focus on the offending field after show()).

#include "UserMessages.h"

#include "CLogstore1App.h"

class QWidget;

class QtUserMessages : public UserMessages {
 public:
  void setParent(QWidget* parent) { m_parent = parent; }
  MessageAnswer show(const std::string& text, MessageIcon icon, MessageButtons buttons) override;

 private:
  QWidget* m_parent = nullptr;
};

// The window a message or file dialog shown now belongs to; fallback when
// no window of the program is in front.
QWidget* messageOwner(QWidget* fallback);

// A chooser backed by a file dialog over parent (may be null).
logstore::FileChooser qtFileChooser(QWidget* const* parent);
