#include "QtUserMessages.h"

#include "CommandTable.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

QWidget* messageOwner(QWidget* fallback) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return fallback;
}

namespace {
// Gives the keyboard back to the owner once the box has gone; a window
// manager may hand it to the main window (the box's own transient parent
// chain) or to nobody.
struct ReturnTo {
  explicit ReturnTo(QWidget* owner) : window(owner) {}
  ~ReturnTo() {
    if (window && window->isVisible()) window->activateWindow();
  }
  QPointer<QWidget> window;
};
}  // namespace

MessageAnswer QtUserMessages::show(const std::string& text, MessageIcon icon, MessageButtons buttons) {
  QWidget* owner = messageOwner(m_parent);
  const ReturnTo returnTo(owner);
  QMessageBox box(owner);
  box.setWindowTitle(QString::fromUtf8(kProgramTitle));
  box.setText(QString::fromStdString(text));
  switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  if (buttons == MessageButtons::YesNoCancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
  } else if (buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default:
      if (buttons == MessageButtons::YesNoCancel) return MessageAnswer::Cancel;
      return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
}

logstore::FileChooser qtFileChooser(QWidget* const* parent) {
  return [parent](logstore::ChooserPurpose purpose) -> std::string {
    const QString filter = QStringLiteral("HYﾃﾞｰﾀ (*.hyy *.hyx *.HYY *.HYX);;すべてのﾌｧｲﾙ (*)");
    QWidget* owner = messageOwner(parent ? *parent : nullptr);
    QString name = purpose == logstore::ChooserPurpose::Open
                       ? QFileDialog::getOpenFileName(owner, QString(), QString(), filter)
                       : QFileDialog::getSaveFileName(owner, QString(), QString(), filter);
    return name.toStdString();
  };
}
