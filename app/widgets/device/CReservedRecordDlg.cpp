#include "CReservedRecordDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }
std::string text(const QLineEdit* e) { return e->text().toStdString(); }

QLineEdit* dateEdit(QWidget* parent, const char* name, const char* widthSample) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString::fromLatin1(widthSample)) + 12);
  return e;
}

}  // namespace

CReservedRecordDlg::CReservedRecordDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("reservedRecordDialog"));
  setWindowTitle(QStringLiteral("予約記録設定"));

  auto* nameLabel = new QLabel(QStringLiteral("＜本体装置名＞"), this);
  m_name = new QLineEdit(this);
  m_name->setObjectName(QStringLiteral("edit1022"));
  m_name->setMaxLength(16);
  m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QStringLiteral("ＷＷＷＷＷＷＷＷＷ")));
  nameLabel->setBuddy(m_name);
  m_name->setAccessibleName(nameLabel->text());
  auto* nameHint = new QLabel(QStringLiteral("（全角８文字、半角１６文字以下）"), this);

  auto* method = new QGroupBox(QStringLiteral("記録開始方法"), this);
  m_reserved = new QRadioButton(QStringLiteral("予約して記録開始する"), method);
  m_reserved->setObjectName(QStringLiteral("radio1018"));
  m_immediate = new QRadioButton(QStringLiteral("即時記録開始する"), method);
  m_immediate->setObjectName(QStringLiteral("radio1021"));
  auto* methodGroup = new QButtonGroup(this);
  methodGroup->addButton(m_reserved);
  methodGroup->addButton(m_immediate);
  auto* methodLayout = new QHBoxLayout(method);
  methodLayout->addWidget(m_reserved);
  methodLayout->addWidget(m_immediate);
  methodLayout->addStretch();
  connect(m_reserved, &QRadioButton::clicked, this, [this] { setDateEditsEnabled(true); });
  connect(m_immediate, &QRadioButton::clicked, this, [this] { setDateEditsEnabled(false); });

  auto* dateLabel = new QLabel(QStringLiteral("＜記録開始日時＞"), this);
  m_year = dateEdit(this, "edit1017", "00000");
  m_month = dateEdit(this, "edit1019", "000");
  m_day = dateEdit(this, "edit1020", "000");
  m_hour = dateEdit(this, "edit1024", "000");
  m_minute = dateEdit(this, "edit1025", "000");
  auto* dateRow = new QHBoxLayout;
  const QString units[5] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"),
                            QStringLiteral("時"), QStringLiteral("分")};
  QLineEdit* dateEdits[5] = {m_year, m_month, m_day, m_hour, m_minute};
  for (int i = 0; i < 5; ++i) {
    auto* unit = new QLabel(units[i], this);
    unit->setBuddy(dateEdits[i]);
    dateEdits[i]->setAccessibleName(units[i]);
    dateRow->addWidget(dateEdits[i]);
    dateRow->addWidget(unit);
    if (i == 2) dateRow->addSpacing(12);
  }
  dateRow->addStretch();
  dateLabel->setBuddy(m_year);

  m_buttons = makeSettingButtons(this, QStringLiteral("予約設定を見る"), QStringLiteral("button3"), &onView, &onOk);
  auto* left = new QVBoxLayout;
  left->addWidget(nameLabel);
  left->addWidget(m_name);
  left->addWidget(nameHint);
  left->addSpacing(8);
  left->addWidget(method);
  left->addSpacing(8);
  left->addWidget(dateLabel);
  left->addLayout(dateRow);
  left->addStretch();
  auto* main = new QHBoxLayout(this);
  main->addLayout(left);
  main->addLayout(m_buttons.column);

  setTabOrder(m_name, m_reserved);
  setTabOrder(m_reserved, m_immediate);
  setTabOrder(m_immediate, m_year);
  setTabOrder(m_year, m_month);
  setTabOrder(m_month, m_day);
  setTabOrder(m_day, m_hour);
  setTabOrder(m_hour, m_minute);
  setTabOrder(m_minute, m_buttons.ok);
  setTabOrder(m_buttons.ok, m_buttons.close);
  setTabOrder(m_buttons.close, m_buttons.view);

  setForm(device::ReservationForm{});
}

device::ReservationForm CReservedRecordDlg::form() const {
  device::ReservationForm f;
  f.reservedStart = m_reserved->isChecked();
  f.start.year = text(m_year);
  f.start.month = text(m_month);
  f.start.day = text(m_day);
  f.start.hour = text(m_hour);
  f.start.minute = text(m_minute);
  f.deviceName = text(m_name);
  return f;
}

void CReservedRecordDlg::setForm(const device::ReservationForm& f) {
  m_reserved->setChecked(f.reservedStart);
  m_immediate->setChecked(!f.reservedStart);
  m_year->setText(text(f.start.year));
  m_month->setText(text(f.start.month));
  m_day->setText(text(f.start.day));
  m_hour->setText(text(f.start.hour));
  m_minute->setText(text(f.start.minute));
  m_name->setText(text(f.deviceName));
}

void CReservedRecordDlg::setButtonsEnabled(bool enabled) {
  m_buttons.setEnabled(enabled);
}

void CReservedRecordDlg::setDateEditsEnabled(bool enabled) {
  for (QLineEdit* e : {m_year, m_month, m_day, m_hour, m_minute}) e->setEnabled(enabled);
}

void CReservedRecordDlg::setOrderEditsEnabled(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_reserved, m_immediate}) w->setEnabled(enabled);
}

void CReservedRecordDlg::focusViewButton() { m_buttons.view->setFocus(); }

void CReservedRecordDlg::reject() {
  if (m_buttons.closeAllowed(onClose)) QDialog::reject();
}
