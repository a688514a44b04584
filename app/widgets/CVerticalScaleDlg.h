#pragma once
// CVerticalScaleDlg: the vertical scale dialog: one edit for the maximum in
// millimetres with its notes, OK and Cancel. It only shows and returns the
// text; ScaleSettings checks it and the view applies it.

#include <QDialog>

class QLineEdit;

class CVerticalScaleDlg : public QDialog {
  Q_OBJECT

 public:
  CVerticalScaleDlg(const QString& text, QWidget* parent = nullptr);
  QString text() const;
  QLineEdit* edit() const { return m_edit; }

 private:
  QLineEdit* m_edit = nullptr;
};
