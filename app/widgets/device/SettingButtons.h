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
};

SettingButtons makeSettingButtons(QDialog* dialog, const QString& viewText, const QString& viewName,
                                  const std::function<void()>* onView, const std::function<void()>* onOk);
