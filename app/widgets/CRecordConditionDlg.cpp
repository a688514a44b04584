#include "CRecordConditionDlg.h"

#include "DateFieldRow.h"
#include "UserMessages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CRecordConditionDlg::CRecordConditionDlg(const RecordConditionTexts& texts, UserMessages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
  setObjectName(QStringLiteral("recordConditionDlg159"));
  setWindowTitle(QString::fromUtf8("記録条件ﾒﾝﾃﾅﾝｽ"));

  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  static const int kIds[5] = {1088, 1089, 1090, 1091, 1092};
  addDateRow(grid, 0, "開始日 ：", m_date, kIds, box);
  grid->setColumnStretch(11, 1);
  const QString start[5] = {QString::fromStdString(texts.start.year), QString::fromStdString(texts.start.month),
                            QString::fromStdString(texts.start.day), QString::fromStdString(texts.start.hour),
                            QString::fromStdString(texts.start.minute)};
  for (size_t i = 0; i < 5; ++i) m_date[i]->setText(start[i]);

  auto* nameLabel = new QLabel(QString::fromUtf8("ﾃﾞｰﾀ名入力"), box);
  m_name = new QLineEdit(box);
  m_name->setObjectName(QStringLiteral("edit1093"));
  m_name->setText(QString::fromStdString(texts.name));
  nameLabel->setBuddy(m_name);
  grid->addWidget(nameLabel, 1, 0);
  grid->addWidget(m_name, 1, 1, 1, 11);
  m_lastFittingName = m_name->text();
  connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (nameFitsField(text.toStdString())) {
      m_lastFittingName = text;
      return;
    }
    const int cursor = m_name->cursorPosition() - static_cast<int>(text.size() - m_lastFittingName.size());
    m_name->setText(m_lastFittingName);
    m_name->setCursorPosition(std::max(0, cursor));
  });

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(box, 1);
  layout->addLayout(okCancelColumn(this, "OK"));
}

void CRecordConditionDlg::accept() {
  const RecordConditionTexts texts{dateTextsOf(m_date), m_name->text().toStdString()};
  const RecordConditionCheck check = checkRecordConditions(texts, m_change);
  if (check != RecordConditionCheck::Ok) {
    m_messages.show(recordConditionMessage(check), MessageIcon::None, MessageButtons::Ok);
    return;
  }
  QDialog::accept();
}
