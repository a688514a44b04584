// Both setting dialogs as the user sees them, filled from a strict simulated
// logger through TKCom1 and the worker, and the settings and start they send
// as the logger holds them afterwards. With HY_SCREENSHOT_DIR set, each
// filled dialog is also saved there as a PNG to look at.
#include "CDeviceStateDlg.h"
#include "CReservedRecordDlg.h"
#include "DeviceBench.h"
#include "DeviceStateSession.h"
#include "QtDeviceUi.h"
#include "ReservationSession.h"
#include "SettingDialogs.h"
#include "SettingFakes.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <cstring>
#include <thread>

using namespace device;

namespace {

void saveShot(QWidget& w, const char* name) {
  const char* dir = std::getenv("HY_SCREENSHOT_DIR");
  if (dir == nullptr) return;
  w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

template <typename W>
W* child(QWidget& dialog, const char* name) {
  W* w = dialog.findChild<W*>(QString::fromLatin1(name));
  if (w == nullptr) ADD_FAILURE() << name;
  return w;
}

void finishView(DeviceBench& bench) {
  bench.ui.until([&] { return !bench.link->workerRunning(); });
  bench.link->joinWorkers();
  bench.ui.drain();
}

TEST(SettingDialogsWithLogger, DeviceStateReadAndWrittenThroughTheDialog) {
  DeviceBench bench;
  LoggerSettings s;
  s.displayMask = 5;
  s.buzzer = 0;
  s.thresholdHour = 50;
  s.thresholdDay = 1;
  s.thresholdStart = 19998;
  s.resetHours = 12;
  bench.startLogger(LoggerDevice(s, {}));
  AnsweringUser user;
  CDeviceStateDlg dlg;
  DeviceStateSession session(*bench.link, user, 1, dlg);
  dlg.onView = [&] { session.view(); };
  dlg.onOk = [&] { session.write(); };
  dlg.show();

  child<QPushButton>(dlg, "button1008")->click();
  finishView(bench);
  EXPECT_TRUE(child<QCheckBox>(dlg, "check1074")->isChecked());
  EXPECT_FALSE(child<QCheckBox>(dlg, "check1077")->isChecked());
  EXPECT_TRUE(child<QCheckBox>(dlg, "check1078")->isChecked());
  EXPECT_TRUE(child<QRadioButton>(dlg, "radio1012")->isChecked());
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1014")->text(), QStringLiteral("25"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1015")->text(), QStringLiteral("OFF"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1016")->text(), QStringLiteral("9999"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1037")->text(), QStringLiteral("12"));
  EXPECT_TRUE(child<QPushButton>(dlg, "button1")->isEnabled());
  saveShot(dlg, "device-state.png");

  child<QCheckBox>(dlg, "check1077")->click();
  child<QRadioButton>(dlg, "radio1011")->click();
  child<QLineEdit>(dlg, "edit1015")->setText(QStringLiteral("80"));
  child<QPushButton>(dlg, "button1")->click();
  EXPECT_TRUE(user.shown.empty());
  const LoggerSettings after = bench.sim->settings();
  EXPECT_EQ(after.displayMask, 7);
  EXPECT_EQ(after.buzzer, 1);
  EXPECT_EQ(after.thresholdHour, 50);
  EXPECT_EQ(after.thresholdDay, 160);
  EXPECT_EQ(after.thresholdStart, 19998);
  EXPECT_EQ(after.resetHours, 12);
  EXPECT_TRUE(child<QLineEdit>(dlg, "edit1015")->isEnabled());
}

TEST(SettingDialogsWithLogger, ReservationViewedAndStartedThroughTheDialog) {
  DeviceBench bench;
  LoggerSettings s;
  const std::string name = "\xC3\xD9\xB6\x31\x8D\x86";  // ﾃﾙｶ1号
  std::memcpy(s.name.data(), name.data(), name.size());
  LoggerRecording r;
  r.startTime = static_cast<uint32_t>(jst(2026, 11, 30, 8, 0));
  r.samples.assign(100, 1);
  r.elapsed = 100 * 600;
  bench.startLogger(LoggerDevice(s, r));
  AnsweringUser user;
  CReservedRecordDlg dlg;
  ReservationSession session(*bench.link, user, 1, dlg);
  dlg.onView = [&] { session.view(); };
  dlg.onOk = [&] { session.start(); };
  dlg.show();

  child<QPushButton>(dlg, "button3")->click();
  finishView(bench);
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1022")->text(), QStringLiteral("ﾃﾙｶ1号"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1017")->text(), QStringLiteral("2026"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1019")->text(), QStringLiteral("11"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1020")->text(), QStringLiteral("30"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1024")->text(), QStringLiteral("08"));
  EXPECT_EQ(child<QLineEdit>(dlg, "edit1025")->text(), QStringLiteral("00"));
  saveShot(dlg, "reserved-record.png");

  // A reserved start tomorrow at this hour, under a new name.
  const time_t tomorrow = std::time(nullptr) + 86400;
  struct tm t {};
  localtime_r(&tomorrow, &t);
  child<QLineEdit>(dlg, "edit1017")->setText(QString::number(t.tm_year + 1900));
  child<QLineEdit>(dlg, "edit1019")->setText(QString::number(t.tm_mon + 1));
  child<QLineEdit>(dlg, "edit1020")->setText(QString::number(t.tm_mday));
  child<QLineEdit>(dlg, "edit1024")->setText(QString::number(t.tm_hour));
  child<QLineEdit>(dlg, "edit1025")->setText(QString::number(t.tm_min));
  child<QLineEdit>(dlg, "edit1022")->setText(QStringLiteral("ﾃﾙｶ2号"));
  user.answers = {MessageAnswer::Yes};
  const int64_t pressed = std::time(nullptr);
  child<QPushButton>(dlg, "button1")->click();
  const int64_t done = std::time(nullptr);
  ASSERT_EQ(user.shown.size(), 1u);
  EXPECT_EQ(user.shown[0].buttons, MessageButtons::YesNo);
  const LoggerRecording after = bench.sim->recording();
  struct tm target = t;
  target.tm_sec = 0;
  EXPECT_EQ(after.startTime, static_cast<uint32_t>(mktime(&target)));
  // The delay counts from the moment of sending.
  const int64_t sentAt = static_cast<int64_t>(after.startTime) - after.startDelay;
  EXPECT_GE(sentAt, pressed);
  EXPECT_LE(sentAt, done);
  EXPECT_EQ(std::memcmp(bench.sim->settings().name.data(), "\xC3\xD9\xB6\x32\x8D\x86\0", 7), 0);
  EXPECT_TRUE(after.samples.empty());

  // Then at once: the date edits go off and stay off after a view.
  child<QRadioButton>(dlg, "radio1021")->click();
  EXPECT_FALSE(child<QLineEdit>(dlg, "edit1017")->isEnabled());
  user.answers = {MessageAnswer::Yes};
  const int64_t before = std::time(nullptr);
  child<QPushButton>(dlg, "button1")->click();
  EXPECT_GE(bench.sim->recording().startTime, static_cast<uint32_t>(before));
  EXPECT_EQ(bench.sim->recording().startDelay, 0u);
  child<QPushButton>(dlg, "button3")->click();
  finishView(bench);
  EXPECT_TRUE(child<QRadioButton>(dlg, "radio1018")->isChecked());
  EXPECT_FALSE(child<QLineEdit>(dlg, "edit1017")->isEnabled());
}

// The command as the program runs it: its own waits, at full length, with
// the wait cursor and the event loop, against a strict logger on a line paced
// at 9600 baud.
TEST(SettingDialogsWithLogger, TheProgramsOwnWaitsSatisfyAStrictPacedLogger) {
  DeviceBench bench(1.0);
  LoggerSettings s;
  s.displayMask = 6;
  s.thresholdHour = 40;
  bench.startLogger(LoggerDevice(s, {}));
  bench.sim->setPace(1);
  AnsweringUser user;
  QtDeviceUi ui(user);
  DeviceLink link(kDeviceTiming, ui, ui);
  bool day = false;
  bool hour = true;
  QString hourText;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    child<QPushButton>(*dialog, "button1008")->click();
    ui.until([&] { return !link.workerRunning() && child<QPushButton>(*dialog, "button1")->isEnabled(); });
    day = child<QCheckBox>(*dialog, "check1077")->isChecked();
    hour = child<QCheckBox>(*dialog, "check1074")->isChecked();
    hourText = child<QLineEdit>(*dialog, "edit1014")->text();
    child<QPushButton>(*dialog, "button2")->click();
  });
  runDeviceStateDialog(nullptr, link, user, 1);
  EXPECT_TRUE(day);
  EXPECT_FALSE(hour);
  EXPECT_EQ(hourText, QStringLiteral("20"));
  EXPECT_TRUE(user.shown.empty());
  EXPECT_EQ(bench.sim->counters().ignored, 0);
  EXPECT_FALSE(link.workerRunning());
}

// The program's waits keep queued work running, and a worker's call returns
// only once its work ran on the user-interface thread.
TEST(QtDeviceUi, WaitsRunQueuedWorkAndCallsComeBackDone) {
  AnsweringUser user;
  QtDeviceUi ui(user);
  bool posted = false;
  ui.post([&] { posted = true; });
  EXPECT_FALSE(posted) << "later, not now";
  ui.sleep(std::chrono::milliseconds(20));
  EXPECT_TRUE(posted);

  std::atomic<bool> ranOnUi{false};
  std::atomic<bool> returned{false};
  MessageAnswer answer = MessageAnswer::Cancel;
  std::thread worker([&] {
    ui.call([&] { ranOnUi = QThread::currentThread() == qApp->thread(); });
    answer = ui.message("通信に失敗しました。", MessageIcon::None);
    returned = true;
  });
  ui.until([&] { return returned.load(); });
  worker.join();
  EXPECT_TRUE(ranOnUi.load());
  EXPECT_EQ(answer, MessageAnswer::Ok);
  ASSERT_EQ(user.shown.size(), 1u);
  EXPECT_EQ(user.shown[0].buttons, MessageButtons::Ok);
}

}  // namespace
