#pragma once
// The About box: program icon, version text, rights line and OK.

#include <QDialog>

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};
