#include "CVerticalScaleDlg.h"

#include "ScaleSettings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CVerticalScaleDlg::CVerticalScaleDlg(const QString& text, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("verticalScaleDlg163"));
  setWindowTitle(QString::fromUtf8(scaletext::kVerticalTitle));
  auto* label = new QLabel(QString::fromUtf8(scaletext::kVerticalLabel), this);
  m_edit = new QLineEdit(text, this);
  m_edit->setObjectName(QStringLiteral("edit1186"));
  m_edit->setAlignment(Qt::AlignRight);
  m_edit->setFixedWidth(70);
  label->setBuddy(m_edit);
  auto* unit = new QLabel(QString::fromUtf8(scaletext::kMillimetres), this);
  auto* note1 = new QLabel(QString::fromUtf8(scaletext::kVerticalNote1), this);
  auto* note2 = new QLabel(QString::fromUtf8(scaletext::kVerticalNote2), this);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QString::fromUtf8(scaletext::kCancel), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(m_edit);
  row->addWidget(unit);
  row->addStretch();
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addLayout(row, 0, 0);
  grid->addWidget(note1, 1, 0);
  grid->addWidget(note2, 2, 0);
  grid->addLayout(buttons, 0, 1, 3, 1);
  setFixedSize(sizeHint());
  m_edit->selectAll();
}

QString CVerticalScaleDlg::text() const { return m_edit->text(); }
