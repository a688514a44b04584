#include "QtUserMessages.h"

#include "CommandTable.h"

#include <QFileDialog>
#include <QMessageBox>

MessageAnswer QtUserMessages::show(const std::string& text, MessageIcon icon, MessageButtons buttons) {
  QMessageBox box(m_parent);
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
    QWidget* owner = parent ? *parent : nullptr;
    QString name = purpose == logstore::ChooserPurpose::Open
                       ? QFileDialog::getOpenFileName(owner, QString(), QString(), filter)
                       : QFileDialog::getSaveFileName(owner, QString(), QString(), filter);
    return name.toStdString();
  };
}
