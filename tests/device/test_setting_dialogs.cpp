// The two setting dialogs as widgets: what they show and hand back, which
// edits follow the start method, every field named by its label, and no
// cancel while an exchange is under way.
#include "CDeviceStateDlg.h"
#include "CReservedRecordDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename W>
W* child(QWidget& dialog, const char* name) {
  W* w = dialog.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Every edit is some label's buddy, so its label names it and jumps to it.
void expectEveryEditHasALabel(QWidget& dialog) {
  const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
  for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
    bool named = false;
    for (QLabel* l : labels) named = named || l->buddy() == edit;
    EXPECT_TRUE(named) << edit->objectName().toStdString();
    EXPECT_FALSE(edit->accessibleName().isEmpty()) << edit->objectName().toStdString();
  }
}

// The tab chain from first visits names in order.
std::vector<std::string> tabChain(QWidget* first, int count) {
  std::vector<std::string> names;
  QWidget* w = first;
  for (int i = 0; i < count && w != nullptr; ++i, w = w->nextInFocusChain()) {
    while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
    names.push_back(w->objectName().toStdString());
  }
  return names;
}

TEST(DeviceStateDialog, ShowsAndHandsBackTheForm) {
  CDeviceStateDlg dlg;
  device::DeviceStateForm initial = dlg.form();
  EXPECT_EQ(initial, device::DeviceStateForm{}) << "OFF, OFF, OFF, 6, buzzer on, boxes cleared";
  EXPECT_TRUE(child<QRadioButton>(dlg, "radio1011")->isChecked());

  device::DeviceStateForm f;
  f.hourText = "12";
  f.dayText = "OFF";
  f.startText = "9999";
  f.resetText = "300";
  f.buzzerOn = false;
  f.boxes = {true, false, true};
  f.displayMask = 5;
  dlg.setForm(f);
  EXPECT_EQ(dlg.form(), f);
  EXPECT_TRUE(child<QRadioButton>(dlg, "radio1012")->isChecked());
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1014")->text(), QStringLiteral("12"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1037")->text(), QStringLiteral("300"));
  EXPECT_TRUE(child<QCheckBox>(dlg, "check1078")->isChecked());
  expectEveryEditHasALabel(dlg);
  EXPECT_EQ(tabChain(child<QCheckBox>(dlg, "check1074"), 12),
            (std::vector<std::string>{"check1074", "check1077", "check1078", "radio1011", "radio1012", "edit1037",
                                      "edit1014", "edit1015", "edit1016", "button1", "button2", "button1008"}));
}

TEST(DeviceStateDialog, NoCancelWhileTheButtonsAreDisabled) {
  CDeviceStateDlg dlg;
  int closes = 0;
  dlg.onClose = [&] { ++closes; };
  dlg.show();
  dlg.setButtonsEnabled(false);
  dlg.reject();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(closes, 0);
  dlg.setButtonsEnabled(true);
  child<QPushButton>(dlg, "button2")->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(closes, 1);
}

TEST(DeviceStateDialog, FrozenEditsTakeNoInput) {
  CDeviceStateDlg dlg;
  dlg.setEditsEnabled(false);
  for (const char* name : {"edit1014", "edit1015", "edit1016", "edit1037"})
    EXPECT_FALSE(child<QLineEdit>(dlg, name)->isEnabled()) << name;
  for (const char* name : {"check1074", "check1077", "check1078"})
    EXPECT_FALSE(child<QCheckBox>(dlg, name)->isEnabled()) << name;
  EXPECT_FALSE(child<QRadioButton>(dlg, "radio1012")->isEnabled());
  EXPECT_TRUE(child<QPushButton>(dlg, "button1008")->isEnabled()) << "buttons go separately";
}

TEST(ReservedRecordDialog, StartMethodDrivesTheDateEdits) {
  CReservedRecordDlg dlg;
  dlg.show();
  EXPECT_TRUE(child<QRadioButton>(dlg, "radio1018")->isChecked());
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1022")->maxLength(), 16);
  const char* dateEdits[] = {"edit1017", "edit1019", "edit1020", "edit1024", "edit1025"};
  child<QRadioButton>(dlg, "radio1021")->click();
  for (const char* name : dateEdits) EXPECT_FALSE(child<QLineEdit>(dlg, name)->isEnabled()) << name;
  EXPECT_FALSE(dlg.form().reservedStart);
  child<QRadioButton>(dlg, "radio1018")->click();
  for (const char* name : dateEdits) EXPECT_TRUE(child<QLineEdit>(dlg, name)->isEnabled()) << name;

  device::ReservationForm f;
  f.reservedStart = false;
  f.start.year = "2027";
  f.start.month = "02";
  f.start.day = "28";
  f.start.hour = "09";
  f.start.minute = "05";
  f.deviceName = "ﾃﾙｶ雨量計";
  dlg.setForm(f);
  const device::ReservationForm back = dlg.form();
  EXPECT_FALSE(back.reservedStart);
  EXPECT_EQ(back.start.year, "2027");
  EXPECT_EQ(back.start.minute, "05");
  EXPECT_EQ(back.deviceName, "ﾃﾙｶ雨量計");
  expectEveryEditHasALabel(dlg);
  EXPECT_EQ(tabChain(child<QLineEdit>(dlg, "edit1022"), 11),
            (std::vector<std::string>{"edit1022", "radio1018", "radio1021", "edit1017", "edit1019", "edit1020",
                                      "edit1024", "edit1025", "button1", "button2", "button3"}));

  int closes = 0;
  dlg.onClose = [&] { ++closes; };
  dlg.setButtonsEnabled(false);
  dlg.reject();
  EXPECT_TRUE(dlg.isVisible());
  dlg.setButtonsEnabled(true);
  dlg.reject();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(closes, 1);
}

}  // namespace
