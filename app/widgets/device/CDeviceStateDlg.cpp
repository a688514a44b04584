#include "CDeviceStateDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
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

QLineEdit* numberEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
  return e;
}

QLabel* labelFor(const QString& caption, QWidget* buddy, QWidget* parent) {
  auto* l = new QLabel(caption, parent);
  l->setBuddy(buddy);
  return l;
}

}  // namespace

CDeviceStateDlg::CDeviceStateDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("deviceStateDialog"));
  setWindowTitle(QStringLiteral("本体状態設定"));

  auto* display = new QGroupBox(QStringLiteral("雨量表示設定"), this);
  m_showHour = new QCheckBox(QStringLiteral("1時間雨量表示"), display);
  m_showHour->setObjectName(QStringLiteral("check1074"));
  m_showDay = new QCheckBox(QStringLiteral("1日雨量表示"), display);
  m_showDay->setObjectName(QStringLiteral("check1077"));
  m_showStart = new QCheckBox(QStringLiteral("降り始めからの雨量表示"), display);
  m_showStart->setObjectName(QStringLiteral("check1078"));
  auto* displayLayout = new QVBoxLayout(display);
  displayLayout->addWidget(m_showHour);
  displayLayout->addWidget(m_showDay);
  displayLayout->addWidget(m_showStart);

  auto* buzzer = new QGroupBox(QStringLiteral("警報ﾌﾞｻﾞｰ設定"), this);
  m_buzzerOn = new QRadioButton(QStringLiteral("警報ﾌﾞｻﾞｰ ON"), buzzer);
  m_buzzerOn->setObjectName(QStringLiteral("radio1011"));
  m_buzzerOff = new QRadioButton(QStringLiteral("警報ﾌﾞｻﾞｰ OFF"), buzzer);
  m_buzzerOff->setObjectName(QStringLiteral("radio1012"));
  auto* buzzerGroup = new QButtonGroup(this);
  buzzerGroup->addButton(m_buzzerOn);
  buzzerGroup->addButton(m_buzzerOff);
  auto* buzzerLayout = new QVBoxLayout(buzzer);
  buzzerLayout->addWidget(m_buzzerOn);
  buzzerLayout->addWidget(m_buzzerOff);

  auto* reset = new QGroupBox(QStringLiteral("雨量ﾘｾｯﾄ値"), this);
  m_reset = numberEdit(reset, "edit1037");
  m_reset->setAccessibleName(reset->title());
  auto* resetLayout = new QHBoxLayout(reset);
  resetLayout->addWidget(m_reset);
  resetLayout->addWidget(labelFor(QStringLiteral("時間でﾘｾｯﾄ"), m_reset, reset));
  resetLayout->addStretch();

  auto* alarm = new QGroupBox(QStringLiteral("警報雨量"), this);
  auto* alarmLayout = new QGridLayout(alarm);
  m_hour = numberEdit(alarm, "edit1014");
  m_day = numberEdit(alarm, "edit1015");
  m_start = numberEdit(alarm, "edit1016");
  const QString captions[3] = {QStringLiteral("１時間当たり"), QStringLiteral("１日当たり"), QStringLiteral("降り始めから")};
  QLineEdit* edits[3] = {m_hour, m_day, m_start};
  for (int row = 0; row < 3; ++row) {
    alarmLayout->addWidget(labelFor(captions[row], edits[row], alarm), row, 0);
    alarmLayout->addWidget(edits[row], row, 1);
    alarmLayout->addWidget(new QLabel(QStringLiteral("ｍｍ 以上で警報を発生"), alarm), row, 2);
    edits[row]->setAccessibleName(captions[row]);
  }
  alarmLayout->setColumnStretch(3, 1);

  m_buttons = makeSettingButtons(this, QStringLiteral("設定値を見る"), QStringLiteral("button1008"), &onView, &onOk);

  auto* left = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  top->addWidget(display);
  top->addWidget(buzzer);
  left->addLayout(top);
  left->addWidget(reset);
  left->addWidget(alarm);
  auto* main = new QHBoxLayout(this);
  main->addLayout(left);
  main->addLayout(m_buttons.column);

  setTabOrder(m_showHour, m_showDay);
  setTabOrder(m_showDay, m_showStart);
  setTabOrder(m_showStart, m_buzzerOn);
  setTabOrder(m_buzzerOn, m_buzzerOff);
  setTabOrder(m_buzzerOff, m_reset);
  setTabOrder(m_reset, m_hour);
  setTabOrder(m_hour, m_day);
  setTabOrder(m_day, m_start);
  setTabOrder(m_start, m_buttons.ok);
  setTabOrder(m_buttons.ok, m_buttons.close);
  setTabOrder(m_buttons.close, m_buttons.view);

  setForm(device::DeviceStateForm{});
}

device::DeviceStateForm CDeviceStateDlg::form() const {
  device::DeviceStateForm f;
  f.hourText = text(m_hour);
  f.dayText = text(m_day);
  f.startText = text(m_start);
  f.resetText = text(m_reset);
  f.buzzerOn = m_buzzerOn->isChecked();
  f.boxes = {m_showHour->isChecked(), m_showDay->isChecked(), m_showStart->isChecked()};
  f.displayMask = m_displayMask;
  return f;
}

void CDeviceStateDlg::setForm(const device::DeviceStateForm& f) {
  m_hour->setText(text(f.hourText));
  m_day->setText(text(f.dayText));
  m_start->setText(text(f.startText));
  m_reset->setText(text(f.resetText));
  m_buzzerOn->setChecked(f.buzzerOn);
  m_buzzerOff->setChecked(!f.buzzerOn);
  m_showHour->setChecked(f.boxes.hour);
  m_showDay->setChecked(f.boxes.day);
  m_showStart->setChecked(f.boxes.fromStart);
  m_displayMask = f.displayMask;
}

void CDeviceStateDlg::setButtonsEnabled(bool enabled) {
  m_buttons.setEnabled(enabled);
}

void CDeviceStateDlg::setEditsEnabled(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{m_showHour, m_showDay, m_showStart, m_buzzerOn, m_buzzerOff,
                                                     m_reset, m_hour, m_day, m_start})
    w->setEnabled(enabled);
}

void CDeviceStateDlg::focusViewButton() { m_buttons.view->setFocus(); }

void CDeviceStateDlg::reject() {
  if (m_buttons.closeAllowed(onClose)) QDialog::reject();
}
