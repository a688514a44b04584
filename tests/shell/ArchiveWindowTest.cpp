// The archive's open command in the window: a station and a span with a gap
// chosen in the dialog open as the chart's recording, hourly, with the
// gap's hours missing, the station and span in the title and the note in
// the status row; it is no file. Set HY_SCREENSHOT_DIR for pictures of the
// dialog and the window.
#include "ArchiveFixture.h"
#include "ArchiveMenu.h"
#include "CArchiveOpenDlg.h"
#include "CHyetoscopeApp.h"
#include "CHyetoscopeDoc.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "PrivateHome.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
const bool kHomeReady = (privateHome(), true);
constexpr int64_t kOrigin = 1719759600;  // 2024-07-01 00:00 UTC+9
}  // namespace

TEST(ArchiveWindow, ASpanWithAGapOpensInTheChartWithItsNote) {
  ASSERT_TRUE(kHomeReady);
  applyProgramIdentity();
  QSettings().clear();
  TempDir dir;
  const std::string db = dir.file("stations.hyarc");
  {
    std::string error;
    auto archive = StationArchive::open(db, ArchiveAccess::ReadWrite, error);
    ASSERT_TRUE(archive) << error;
    // 2024-07-01 .. 07-05 with 2024-07-03 02:00-07:00 missing.
    const auto a = archive_test::piece(kOrigin, 0, 300), b = archive_test::piece(kOrigin, 330, 270);
    ASSERT_EQ(archive->importRecording(archive_test::request(*a)).status, ImportStatus::Imported);
    ASSERT_EQ(archive->importRecording(archive_test::request(*b)).status, ImportStatus::Imported);
  }

  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app(state, messages);
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope")}));
  CMainFrame& frame = *app.mainFrame();
  frame.archiveMenu().chooseArchiveToOpen = [&](const std::string&) { return db; };

  QStringList row;
  bool shown = false;
  auto* timer = new QTimer;
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [&, timer] {
    auto* dialog = qobject_cast<CArchiveOpenDlg*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    timer->stop();
    timer->deleteLater();
    shown = true;
    QTreeWidgetItem* item = dialog->stationList()->topLevelItem(0);
    for (int c = 0; c < 5; ++c) row << item->text(c);
    // The offered span: the last month, here the whole station.
    EXPECT_EQ(dialog->startFields()[0]->text() + dialog->startFields()[1]->text() + dialog->startFields()[2]->text(),
              QStringLiteral("20240701"));
    if (const char* shots = std::getenv("HY_SCREENSHOT_DIR"))
      dialog->grab().save(QString::fromUtf8(shots) + "/archive-open.png");
    dialog->startFields()[2]->setText(QStringLiteral("02"));  // from 2024-07-02 00:00
    dialog->accept();
  });
  timer->start();
  ASSERT_TRUE(frame.executeCommand(cmd::ArchiveOpen));
  QCoreApplication::processEvents();  // the queued hourly command
  ASSERT_TRUE(shown);
  EXPECT_EQ(row, (QStringList{"STATION", "2024/07/01 00:00", "2024/07/05 03:50", "570", "30"}));
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;

  const CHyetoscopeDoc& doc = app.document();
  EXPECT_EQ(doc.loadedFlag, 1);
  EXPECT_TRUE(state.currentDataPath.empty());
  EXPECT_EQ(doc.intervalMode, IntervalMode::Hourly);
  EXPECT_EQ(doc.recording().sampleCount(), 600 - 144);
  // Hours 26..30 of the span (2024-07-03 02:00-07:00) are missing, no others.
  int missing = 0;
  for (int i = 0; i < doc.series().valueCount; ++i) missing += doc.series().isMissing(i);
  EXPECT_EQ(missing, 5);
  EXPECT_TRUE(doc.series().isMissing(26) && doc.series().isMissing(30) && !doc.series().isMissing(31));
  EXPECT_TRUE(frame.windowTitle().startsWith("STATION 2024/07/02 00:00 - 2024/07/05 04:00")) << frame.windowTitle().toStdString();
  auto* note = frame.findChild<QLabel*>(QStringLiteral("sourceNote"));
  ASSERT_NE(note, nullptr);
  EXPECT_FALSE(note->isHidden());
  EXPECT_EQ(note->text(), QString::fromUtf8("ｱｰｶｲﾌﾞ stations.hyarc の記録 (欠測 30 ｽﾛｯﾄ)"));
  if (const char* shots = std::getenv("HY_SCREENSHOT_DIR")) frame.grab().save(QString::fromUtf8(shots) + "/archive-window.png");

  // A file opened afterwards has no note.
  ASSERT_TRUE(app.document().openRecordingFile(std::string(HY_SAMPLES_DIR) + "/short-2026-06-0.5mm.hyy") ==
              OpenResult::Opened);
  frame.refreshCommandStates();
  EXPECT_TRUE(note->isHidden());
}
