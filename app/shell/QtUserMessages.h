#pragma once
// The program's UserMessages: modal message boxes over the main window, and
// the file chooser the data-file library asks (a file dialog).

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

// A chooser backed by a file dialog over parent (may be null).
logstore::FileChooser qtFileChooser(QWidget* const* parent);
