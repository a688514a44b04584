#include "DateFieldRow.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

void addDateRow(QGridLayout* grid, int row, const char* label, DateFieldEdits& fields, const int (&ids)[5],
                QWidget* parent) {
  static const char* const kUnits[5] = {"年", "月", "日", "時", "分"};
  auto* title = new QLabel(QString::fromUtf8(label), parent);
  grid->addWidget(title, row, 0);
  for (int i = 0; i < 5; ++i) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("edit%1").arg(ids[i]));
    edit->setMaxLength(i == 0 ? 4 : 2);
    edit->setFixedWidth(i == 0 ? 48 : 32);
    auto* unit = new QLabel(QString::fromUtf8(kUnits[i]), parent);
    unit->setBuddy(edit);
    grid->addWidget(edit, row, 1 + 2 * i);
    grid->addWidget(unit, row, 2 + 2 * i);
    fields[static_cast<size_t>(i)] = edit;
  }
  title->setBuddy(fields[0]);
}

DateTexts dateTextsOf(const DateFieldEdits& f) {
  return {f[0]->text().toStdString(), f[1]->text().toStdString(), f[2]->text().toStdString(),
          f[3]->text().toStdString(), f[4]->text().toStdString()};
}

CalendarFields calendarFieldsOf(const DateFieldEdits& f) { return calendarFieldsOf(dateTextsOf(f)); }

QVBoxLayout* okCancelColumn(QDialog* dialog, const char* okText) {
  auto* ok = new QPushButton(QString::fromUtf8(okText), dialog);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), dialog);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* column = new QVBoxLayout;
  column->addWidget(ok);
  column->addWidget(cancel);
  column->addStretch();
  return column;
}

void onRadioChosen(QRadioButton* radio, QObject* context, std::function<void()> chosen) {
  // A click on the checked radio changes no state, so only clicked tells
  // of it; a click that checks it is heard through toggled alone.
  auto checkedWhenPressed = std::make_shared<bool>(false);
  QObject::connect(radio, &QRadioButton::pressed, context,
                   [radio, checkedWhenPressed] { *checkedWhenPressed = radio->isChecked(); });
  QObject::connect(radio, &QRadioButton::toggled, context, [chosen](bool checked) {
    if (checked) chosen();
  });
  QObject::connect(radio, &QRadioButton::clicked, context, [checkedWhenPressed, chosen] {
    if (*checkedWhenPressed) chosen();
    *checkedWhenPressed = false;
  });
}
