#pragma once
// The button column both setting dialogs share: OK, "閉じる" and the view
// button, enabled and disabled together. OK and the view button call what
// the dialog's callbacks hold when clicked; "閉じる" rejects the dialog.

#include <QString>

#include <functional>

class QDialog;
class QPushButton;
class QVBoxLayout;

struct SettingButtons {
  QPushButton* view = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* close = nullptr;
  QVBoxLayout* column = nullptr;  // for the dialog's layout to take

  void setEnabled(bool enabled) const;
  // For the dialog's reject(): false while the buttons are disabled (a read
  // or write under way), so that a cancel is ignored as "閉じる" is;
  // otherwise runs onClose (when set) and returns true.
  bool closeAllowed(const std::function<void()>& onClose) const;
};

SettingButtons makeSettingButtons(QDialog* dialog, const QString& viewText, const QString& viewName,
                                  const std::function<void()>* onView, const std::function<void()>* onOk);
