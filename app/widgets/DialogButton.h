#pragma once
// DialogButton: a push button of a dialog whose buttons act only when
// clicked: Enter in a field never presses one of them (no auto-default).
// Named, so that tests and screenshots find it.

#include <QPushButton>
#include <QString>

inline QPushButton* dialogButton(const char* text, const char* name, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(text), parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  return b;
}
