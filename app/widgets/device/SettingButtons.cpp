#include "SettingButtons.h"

#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

void SettingButtons::setEnabled(bool enabled) const {
  for (QPushButton* b : {view, ok, close}) b->setEnabled(enabled);
}

bool SettingButtons::closeAllowed(const std::function<void()>& onClose) const {
  if (!close->isEnabled()) return false;
  if (onClose) onClose();
  return true;
}

SettingButtons makeSettingButtons(QDialog* dialog, const QString& viewText, const QString& viewName,
                                  const std::function<void()>* onView, const std::function<void()>* onOk) {
  SettingButtons b;
  b.view = new QPushButton(viewText, dialog);
  b.view->setObjectName(viewName);
  b.ok = new QPushButton(QStringLiteral("OK"), dialog);
  b.ok->setObjectName(QStringLiteral("button1"));
  b.ok->setDefault(true);
  b.close = new QPushButton(QStringLiteral("閉じる"), dialog);
  b.close->setObjectName(QStringLiteral("button2"));
  QObject::connect(b.view, &QPushButton::clicked, dialog, [onView] { if (*onView) (*onView)(); });
  QObject::connect(b.ok, &QPushButton::clicked, dialog, [onOk] { if (*onOk) (*onOk)(); });
  QObject::connect(b.close, &QPushButton::clicked, dialog, &QDialog::reject);
  b.column = new QVBoxLayout;
  b.column->addWidget(b.ok);
  b.column->addWidget(b.close);
  b.column->addSpacing(12);
  b.column->addWidget(b.view);
  b.column->addStretch();
  return b;
}
