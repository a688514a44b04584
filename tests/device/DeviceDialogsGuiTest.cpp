// The two device dialogs as widgets on the offscreen platform, against a
// simulated logger: the download dialog's controls through a transfer and
// Esc in the middle of one, and the port dialog's list. Set
// HY_SCREENSHOT_DIR to keep pictures of both.
#include "CDownloadDlg.h"
#include "CLogstore1App.h"
#include "CPortSelectDlg.h"
#include "DeviceBench.h"
#include "DeviceTexts.h"
#include "QtDeviceUi.h"
#include "ScriptedMessages.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <filesystem>

using namespace device;

namespace {

void keepPicture(QWidget& w, const char* name) {
  const char* dir = std::getenv("HY_SCREENSHOT_DIR");
  if (dir != nullptr) w.grab().save(QString::fromUtf8(dir) + QLatin1Char('/') + QString::fromUtf8(name));
}

struct QtBench {
  QtBench() : ui(messages) {
    bench.link = std::make_unique<DeviceLink>(bench.timing, ui, ui);
    target = bench.dir.file("new.hyy");
    logstore::CLogstore1App::SetFileChooser([this](logstore::ChooserPurpose) { return target; });
  }
  ~QtBench() {
    bench.link->joinWorkers();
    logstore::CLogstore1App::SetFileChooser({});
  }
  DeviceBench bench;
  ScriptedMessages messages;
  QtDeviceUi ui;
  RecordingState state;
  std::string target;
};

TEST(DownloadDialog, ShowsTheTransferAndEscCancelsIt) {
  QtBench q;
  q.bench.startLogger(loggerWith(5 * 2048 - 100, 0x1001));
  q.bench.sim->setPace(8);  // about half a second per block
  DownloadOptions options;
  CDownloadDlg dialog(*q.bench.link, q.state, options);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ﾃﾞｰﾀ吸い上げ"));
  EXPECT_TRUE(dialog.startButton()->isEnabled());
  EXPECT_FALSE(dialog.cancelButton()->isEnabled());
  EXPECT_TRUE(dialog.closeButton()->isEnabled());
  EXPECT_EQ(dialog.progressBar()->maximum(), 1000);
  dialog.startButton()->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.progressBar()->value() >= 400; }, 20000));
  EXPECT_EQ(dialog.statusLine()->text(), QString::fromUtf8(kTextDownloading));
  EXPECT_FALSE(dialog.startButton()->isEnabled());
  EXPECT_TRUE(dialog.cancelButton()->isEnabled());
  EXPECT_FALSE(dialog.closeButton()->isEnabled());
  keepPicture(dialog, "download-dialog.png");
  QTest::keyClick(&dialog, Qt::Key_Escape);
  // Esc returned only after the worker had finished: nothing is left running.
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(q.bench.link->workerRunning());
  EXPECT_LT(q.bench.sim->counters().blocksServed, 5);
  EXPECT_FALSE(std::filesystem::exists(q.target));
  EXPECT_EQ(q.state.currentDataPath, "ER");
  EXPECT_TRUE(q.messages.shown.empty());
}

TEST(PortDialog, ListsNinePortsAndOpensOnTheStoredOne) {
  QtBench q;
  int selected = 0;
  CPortSelectDlg dialog(*q.bench.link, q.messages, selected, {[] { return 3; }, [](int) {}});
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("通信ﾎﾟｰﾄ設定"));
  ASSERT_EQ(dialog.portList()->count(), 9);
  EXPECT_EQ(dialog.portList()->itemText(8), QStringLiteral("COM9"));
  EXPECT_EQ(dialog.portList()->currentText(), QStringLiteral("COM3"));
  EXPECT_EQ(selected, 3);
  keepPicture(dialog, "port-dialog.png");
}

}  // namespace
