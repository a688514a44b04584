// The whole path as a user takes it, on the program's own clock: the port
// dialog's OK against a simulated logger on COM1, then the download command
// from the main window, and the new recording in the chart. Set
// HY_SCREENSHOT_DIR to keep a picture of the window afterwards.
#include "CDownloadDlg.h"
#include "CHyetoscopeApp.h"
#include "CHyetoscopeDoc.h"
#include "CLogstore1App.h"
#include "CMainFrame.h"
#include "CPortSelectDlg.h"
#include "CommandIds.h"
#include "DeviceTexts.h"
#include "LoggerSimulator.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"
#include "PrivateHome.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

const bool kHomeReady = [] {
  setenv("TKCOM_PORT_DIR", (privateHome().dir.path() / "ports").c_str(), 1);
  return true;
}();

// Runs action on the modal dialog of type D as soon as it is up.
template <typename D>
void whenShown(const std::function<void(D&)>& action) {
  auto* timer = new QTimer;
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      action(*dialog);
    }
  });
  timer->start();
}

TEST(DownloadFromWindow, PortCheckThenDownloadShowsTheNewRecording) {
  ASSERT_TRUE(kHomeReady);
  applyProgramIdentity();
  QSettings().clear();
  const std::string target = (privateHome().dir.path() / "downloaded.hyy").string();
  logstore::CLogstore1App::SetFileChooser([&](logstore::ChooserPurpose) { return target; });

  LoggerSettings settings;
  std::memcpy(settings.name.data(), "GAUGE-7", 7);
  LoggerRecording recording;
  recording.startTime = 1717167600;  // 2024-06-01 00:00 UTC+9
  recording.elapsed = 3000 * 600;
  for (int i = 0; i < 3000; ++i) recording.samples.push_back(static_cast<uint16_t>(i % 144 < 20 ? i % 7 : 0));
  SimulatorOptions options;
  options.portsDir = (privateHome().dir.path() / "ports").string();
  options.port = 1;
  LoggerSimulator sim(LoggerDevice(settings, recording), options);
  ASSERT_TRUE(sim.start());

  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app(state, messages);
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope")}));
  CMainFrame& frame = *app.mainFrame();

  whenShown<CPortSelectDlg>([](CPortSelectDlg& d) { d.accept(); });
  ASSERT_TRUE(frame.executeCommand(cmd::PortSettings));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "ﾎﾟｰﾄCOM1に接続しました。");
  EXPECT_EQ(QSettings().value(QStringLiteral("Settings/ComPort")).toInt(), 1);

  whenShown<CDownloadDlg>([](CDownloadDlg& d) { d.startButton()->click(); });
  ASSERT_TRUE(frame.executeCommand(cmd::Download));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, device::kTextDownloadFinished);
  EXPECT_EQ(state.currentDataPath, target);
  EXPECT_EQ(app.document().loadedFlag, 1);
  EXPECT_EQ(app.document().recording().sampleCount(), 3000);
  QCoreApplication::processEvents();  // the queued hourly command
  EXPECT_TRUE(std::filesystem::exists(privateHome().dir.path() / "data/hyetoscope/TempHYY.txt"));
  if (const char* dir = std::getenv("HY_SCREENSHOT_DIR")) frame.grab().save(QString::fromUtf8(dir) + "/after-download.png");

  // With an archive set (the last one imported into), the new recording is
  // offered to it (no archive was set above: two messages, no offer).
  const std::string archive = (privateHome().dir.path() / "stations.hyarc").string();
  QSettings().setValue(QStringLiteral("Settings/ArchivePath"), QString::fromStdString(archive));
  const std::string second = (privateHome().dir.path() / "downloaded-2.hyy").string();
  logstore::CLogstore1App::SetFileChooser([&](logstore::ChooserPurpose) { return second; });
  messages.answerNext(MessageAnswer::Ok);   // the download's end
  messages.answerNext(MessageAnswer::Yes);  // add it to the archive
  whenShown<CDownloadDlg>([](CDownloadDlg& d) { d.startButton()->click(); });
  ASSERT_TRUE(frame.executeCommand(cmd::Download));
  ASSERT_EQ(messages.shown.size(), 5u);
  EXPECT_EQ(messages.shown[2].text, device::kTextDownloadFinished);
  EXPECT_EQ(messages.shown[3].text, "吸い上げた記録ﾃﾞｰﾀをｱｰｶｲﾌﾞ " + archive + " に追加しますか。");
  EXPECT_EQ(messages.shown[3].buttons, MessageButtons::YesNo);
  EXPECT_NE(messages.shown[4].text.find("downloaded-2.hyy: 観測所「GAUGE-7」に取り込みました (新しいｽﾛｯﾄ 3000"),
            std::string::npos)
      << messages.shown[4].text;
  logstore::CLogstore1App::SetFileChooser(nullptr);
}

}  // namespace
