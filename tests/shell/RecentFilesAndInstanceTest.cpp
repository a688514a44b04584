// The file menu's recent files, the hand-over of a file from a second start
// of the real program to the one running here, and Qt's own dialog texts.
// Settings and desktop data go to a private folder, never the user's.
#include "CHyetoscopeApp.h"
#include "CHyetoscopeDoc.h"
#include "CLogstore1App.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"
#include "PrivateHome.h"
#include "TempDir.h"
#include "TestRecordings.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {
const bool kHomeReady = (privateHome(), true);

QStringList visibleTexts(const std::vector<QAction*>& actions) {
  QStringList texts;
  for (QAction* a : actions)
    if (a->isVisible()) texts << a->text();
  return texts;
}

template <class Done>
bool waitFor(Done done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return true;
}
}  // namespace

class RecentAndInstance : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kHomeReady);
    applyProgramIdentity();
    QSettings().clear();
    QSettings().sync();
    logstore::CLogstore1App::SetFileChooser([this](logstore::ChooserPurpose) { return chooserAnswer; });
    for (int i = 0; i < 5; ++i) {
      files.push_back(dir.file("rain-" + std::to_string(i) + ".hyy"));
      ASSERT_TRUE(writeTestRecording(files.back(), std::vector<uint16_t>(200, static_cast<uint16_t>(i + 1))));
    }
  }
  void TearDown() override { logstore::CLogstore1App::SetFileChooser(nullptr); }

  void openByMenu(const std::string& path) {
    chooserAnswer = path;
    app.mainFrame()->action(cmd::OpenRecording)->trigger();
    QCoreApplication::processEvents();
  }
  static QString entry(int n, const std::string& path) {
    return QStringLiteral("&%1 %2").arg(n).arg(QString::fromStdString(path));
  }

  TempDir dir;
  std::vector<std::string> files;
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app{state, messages};
  std::string chooserAnswer;
};

TEST_F(RecentAndInstance, FourNewestInTheFileMenuKeptAcrossStartsAndAGoneFileIsDropped) {
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope"), QString::fromStdString(files[0])}));
  CMainFrame& frame = *app.mainFrame();
  for (int i = 1; i < 5; ++i) openByMenu(files[static_cast<size_t>(i)]);
  EXPECT_EQ(visibleTexts(frame.recentFileActions()),
            (QStringList{entry(1, files[4]), entry(2, files[3]), entry(3, files[2]), entry(4, files[1])}));
  // They sit just above the exit item.
  const QList<QAction*> menu = frame.menuBar()->actions().first()->menu()->actions();
  const qsizetype exitAt = menu.indexOf(frame.action(cmd::Exit));
  EXPECT_EQ(menu[exitAt - 2], frame.recentFileActions().back());
  if (const char* shots = std::getenv("HY_SHOT_DIR")) {
    QMenu* fileMenu = frame.menuBar()->actions().first()->menu();
    fileMenu->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    fileMenu->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/file-menu.png"));
    fileMenu->hide();
  }

  // Choosing the third opens it and puts it first.
  frame.recentFileActions()[2]->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(state.currentDataPath, files[2]);
  EXPECT_EQ(frame.recentFiles().paths(), (std::vector<std::string>{files[2], files[4], files[3], files[1]}));

  // A second start reads the same list from the settings.
  {
    RecordingState otherState;
    ScriptedMessages otherMessages;
    CHyetoscopeApp other{otherState, otherMessages};
    ASSERT_TRUE(other.initInstance({QStringLiteral("hyetoscope")}));
    EXPECT_EQ(other.mainFrame()->recentFiles().paths(), frame.recentFiles().paths());
  }

  // A file that has gone: the load-failure message, the shown recording
  // stays, and the entry leaves the list and the settings.
  std::filesystem::remove(files[4]);
  frame.recentFileActions()[1]->trigger();
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(files[4]), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("表示中のﾃﾞｰﾀはそのままです。"), std::string::npos);
  EXPECT_EQ(state.currentDataPath, files[2]);
  EXPECT_EQ(visibleTexts(frame.recentFileActions()),
            (QStringList{entry(1, files[2]), entry(2, files[3]), entry(3, files[1])}));
  QSettings s;
  EXPECT_EQ(s.value(QStringLiteral("Recent File List/File2")).toString().toStdString(), files[3]);
  EXPECT_FALSE(s.contains(QStringLiteral("Recent File List/File4")));
}

TEST_F(RecentAndInstance, ASecondStartWithAFileHandsItToTheRunningProgram) {
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope"), QString::fromStdString(files[0])}));
  state.dataModified = 1;  // record conditions changed and not yet saved
  messages.answerNext(MessageAnswer::No);

  QProcess second;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  second.setProcessEnvironment(env);
  // A relative name, as a desktop may pass it: the running program gets it
  // whole, whatever its own working folder.
  second.setWorkingDirectory(QString::fromStdString(dir.path().string()));
  second.start(QStringLiteral(HY_BIN_DIR "/hyetoscope"), {QStringLiteral("rain-3.hyy")});
  ASSERT_TRUE(second.waitForStarted(10000));
  const bool ended = waitFor([&] { return second.state() == QProcess::NotRunning; }, 30000);
  if (!ended) second.kill();
  ASSERT_TRUE(ended) << "the second start kept running";
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);

  ASSERT_TRUE(waitFor([&] { return state.currentDataPath == files[3]; }, 10000));
  // The pending changes were offered for saving before the file changed.
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("の変更を保存しますか。"), std::string::npos);
  EXPECT_EQ(state.dataModified, 0);
  EXPECT_EQ(app.document().loadedFlag, 1);
  EXPECT_EQ(app.mainFrame()->recentFiles().paths().front(), files[3]);
}

TEST_F(RecentAndInstance, AHandedOverFileWaitsForAnOpenDialog) {
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope"), QString::fromStdString(files[0])}));
  QDialog busy(app.mainFrame());
  busy.setModal(true);
  busy.show();
  app.mainFrame()->openFromElsewhere(QString::fromStdString(files[1]));
  QCoreApplication::processEvents();
  EXPECT_EQ(state.currentDataPath, files[0]) << "opened under a modal dialog";
  busy.close();
  EXPECT_TRUE(waitFor([&] { return state.currentDataPath == files[1]; }, 5000));
}

TEST_F(RecentAndInstance, QtsOwnDialogButtonsAreJapanese) {
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope")}));
  QMessageBox box;
  box.setText(QStringLiteral("記録ﾃﾞｰﾀ"));
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (const char* shots = std::getenv("HY_SHOT_DIR")) {
    box.show();
    QCoreApplication::processEvents();
    box.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/message-box.png"));
  }
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
  EXPECT_NE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));
}
