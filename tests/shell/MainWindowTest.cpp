// The program's window on the offscreen platform: start-up, the open and
// close commands, the exit prompt, keys, help and placement. Settings and
// desktop data go to a private folder, never the user's.
#include "CHyetoscopeApp.h"
#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "CLogstore1App.h"
#include "CMainFrame.h"
#include "CPrintCommands.h"
#include "CommandIds.h"
#include "PrintJobHold.h"
#include "RainAnalysisCommand.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"
#include "SelectedPort.h"
#include "PrivateHome.h"
#include "TempDir.h"
#include "TestRecordings.h"

#include <QAction>
#include <QHeaderView>
#include <QPrinter>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QShortcut>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {
// Runs before the QApplication exists.
const bool kHomeReady = (privateHome(), true);

std::string sample(const char* name) { return std::string(HY_SAMPLES_DIR) + "/" + name; }
}  // namespace

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kHomeReady);
    applyProgramIdentity();
    QSettings().clear();
    logstore::CLogstore1App::SetFileChooser([this](logstore::ChooserPurpose) { return chooserAnswer; });
  }
  void TearDown() override { logstore::CLogstore1App::SetFileChooser(nullptr); }

  bool start(const QString& file = QString()) {
    QStringList args{QStringLiteral("hyetoscope")};
    if (!file.isEmpty()) args << file;
    return app.initInstance(args);
  }
  CMainFrame& frame() { return *app.mainFrame(); }
  CHyetoscopeView& view() { return *frame().view(); }
  QString field(const char* name) { return view().findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }
  QString statsCell(int column) {
    return view().findChild<QTreeWidget*>(QStringLiteral("statsList1048"))->topLevelItem(0)->text(column);
  }
  void trigger(int id) {
    frame().action(id)->trigger();
    QCoreApplication::processEvents();  // the queued interval command
  }

  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app{state, messages};
  std::string chooserAnswer;
};

TEST_F(MainWindow, StartsWithTheFileOnTheCommandLine) {
  QSettings().setValue(QStringLiteral("Settings/ComPort"), 3);
  ASSERT_TRUE(start(QString::fromStdString(sample("long-2024-0.5mm.hyy"))));
  EXPECT_TRUE(frame().isVisible());
  EXPECT_EQ(frame().windowTitle(), QStringLiteral("long-2024-0.5mm.hyy - HY for Windows"));
  EXPECT_EQ(field("edit1075"), QStringLiteral("<Interval> : 1時間"));
  EXPECT_EQ(field("edit1076"), QStringLiteral("<Sample> : %1").arg(app.document().series().valueCount));
  EXPECT_EQ(field("edit1094"), QStringLiteral("<雨量単位> : mm"));
  EXPECT_TRUE(frame().action(cmd::CloseRecording)->isEnabled());
  EXPECT_TRUE(frame().action(cmd::IntervalHourly)->isChecked());
  EXPECT_TRUE(frame().action(cmd::Download)->isEnabled());
  EXPECT_TRUE(frame().action(cmd::PortSettings)->isEnabled());
  for (int id : {cmd::PrintGraph, cmd::GraphPreview, cmd::PrintTables, cmd::TablePreview, cmd::PrinterSetup, cmd::FilePrint})
    EXPECT_TRUE(frame().action(id)->isEnabled()) << id;
  EXPECT_EQ(selectedPort(), 3);
  EXPECT_FALSE(view().findChild<QLineEdit*>(QStringLiteral("edit1003"))->isVisible());
  const auto data = privateHome().dir.path() / "data";
  EXPECT_TRUE(std::filesystem::exists(data / "mime/packages/hyetoscope.xml"));
  EXPECT_TRUE(std::filesystem::exists(data / "applications/hyetoscope.desktop"));
}

TEST_F(MainWindow, UnreadableFileOnTheCommandLineEndsStartUp) {
  TempDir dir;
  EXPECT_FALSE(start(QString::fromStdString(dir.file("none.hyy"))));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("none.hyy"), std::string::npos);
}

TEST_F(MainWindow, FirstStartIsTopLeft640By480AndClosingStoresThePlacement) {
  ASSERT_TRUE(start());
  EXPECT_EQ(frame().frameGeometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(frame().frameGeometry().size(), QSize(640, 480));
  EXPECT_EQ(frame().windowTitle(), QStringLiteral("Hyeto - HY for Windows"));
  EXPECT_FALSE(frame().action(cmd::CloseRecording)->isEnabled());
  EXPECT_TRUE(frame().action(cmd::OpenRecording)->isEnabled());
  EXPECT_FALSE(frame().action(cmd::FilePrint)->isEnabled());
  EXPECT_FALSE(frame().action(cmd::PrintTables)->isEnabled());
  EXPECT_TRUE(frame().action(cmd::PrinterSetup)->isEnabled());
  frame().move(30, 40);
  frame().resize(700, 500);
  // The outer rectangle, decorations included, is what is stored.
  const QRect outer = frame().frameGeometry();
  ASSERT_TRUE(frame().close());
  QSettings s;
  EXPECT_EQ(s.value(QStringLiteral("ShownSeriesSpan/frameX")).toInt(), 30);
  EXPECT_EQ(s.value(QStringLiteral("ShownSeriesSpan/frameY")).toInt(), 40);
  EXPECT_EQ(s.value(QStringLiteral("ShownSeriesSpan/Width")).toInt(), outer.width());
  EXPECT_EQ(s.value(QStringLiteral("ShownSeriesSpan/Height")).toInt(), outer.height());
  EXPECT_GE(outer.width(), 700);
  EXPECT_TRUE(s.contains(QStringLiteral("ShownSeriesSpan/ClmL8")));
}

TEST_F(MainWindow, StoredPlacementAndColumnWidthsAreUsed) {
  QSettings s;
  s.setValue(QStringLiteral("ShownSeriesSpan/frameX"), 20);
  s.setValue(QStringLiteral("ShownSeriesSpan/frameY"), 10);
  s.setValue(QStringLiteral("ShownSeriesSpan/Width"), 800);
  s.setValue(QStringLiteral("ShownSeriesSpan/Height"), 600);
  s.setValue(QStringLiteral("ShownSeriesSpan/ClmL3"), 123);
  s.sync();
  ASSERT_TRUE(start());
  EXPECT_EQ(frame().frameGeometry(), QRect(20, 10, 800, 600));
  const auto* list = view().findChild<QTreeWidget*>(QStringLiteral("statsList1048"));
  EXPECT_EQ(list->columnWidth(2), 123);
  // Columns never stored take their width from the view's real width.
  EXPECT_EQ(list->columnWidth(0), view().width() / 11 + 30);
  EXPECT_GT(view().width(), 700);
}

TEST_F(MainWindow, DateColumnsFitATenMinutePeriodAndADoubleClickFitsAColumn) {
  QSettings().setValue(QStringLiteral("ShownSeriesSpan/ClmL8"), 90);
  ASSERT_TRUE(start(QString::fromStdString(sample("long-2024-0.5mm.hyy"))));
  auto* list = view().findChild<QTreeWidget*>(QStringLiteral("statsList1048"));
  // What the list's own delegate needs to show a cell's text whole.
  auto fits = [list](int column) { return static_cast<QAbstractItemView*>(list)->sizeHintForColumn(column); };
  // The longest text a date column shows: a ten-minute period.
  const QString period = QStringLiteral("2024/08/31 16:30-16:40");
  list->topLevelItem(0)->setText(6, period);
  list->topLevelItem(0)->setText(7, period);
  EXPECT_GE(list->columnWidth(6), fits(6));
  EXPECT_GE(list->columnWidth(6), view().width() / 11 + 60) << "never narrower than before";
  EXPECT_EQ(list->columnWidth(7), 90) << "a stored width stays";

  // A double click on the separator right of DateB fits it to its text.
  QHeaderView* header = list->header();
  const int separator = header->sectionViewportPosition(7) + header->sectionSize(7) - 1;
  QTest::mouseDClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(separator, header->height() / 2));
  EXPECT_EQ(list->columnWidth(7), fits(7));
}

TEST_F(MainWindow, OpenByMenuEndsHourlyAndCloseEmptiesTheForm) {
  ASSERT_TRUE(start());
  frame().action(cmd::IntervalMonthly)->setChecked(true);
  chooserAnswer = sample("short-2026-06-0.5mm.hyy");
  trigger(cmd::OpenRecording);
  EXPECT_EQ(app.document().intervalMode, IntervalMode::Hourly);
  EXPECT_TRUE(frame().action(cmd::IntervalHourly)->isChecked());
  EXPECT_FALSE(frame().action(cmd::IntervalMonthly)->isChecked());
  EXPECT_EQ(frame().windowTitle(), QString::fromStdString(chooserAnswer) + QStringLiteral(" - HY for Windows"));
  EXPECT_EQ(field("edit1075"), QStringLiteral("<Interval> : 1時間"));
  EXPECT_NE(statsCell(0), QStringLiteral("-----")) << "the data name";
  EXPECT_EQ(statsCell(3), QStringLiteral("-----"));

  trigger(cmd::IntervalDaily);
  EXPECT_EQ(field("edit1075"), QStringLiteral("<Interval> : 1日"));
  EXPECT_TRUE(frame().action(cmd::IntervalDaily)->isChecked());

  app.document().dataListOpen = 1;  // as while the data list window is up
  frame().refreshCommandStates();
  EXPECT_FALSE(frame().action(cmd::OpenRecording)->isEnabled());
  trigger(cmd::CloseRecording);
  EXPECT_EQ(app.document().dataListOpen, 0) << "the queued close-data-list message arrived";
  EXPECT_EQ(frame().windowTitle(), QStringLiteral("Untitled - HY for Windows"));
  EXPECT_EQ(field("edit1075"), QString());
  EXPECT_EQ(field("edit1076"), QString());
  for (int c = 0; c < 8; ++c) EXPECT_EQ(statsCell(c), QStringLiteral("-----")) << c;
  EXPECT_TRUE(frame().action(cmd::OpenRecording)->isEnabled());
  for (int id : {cmd::CloseRecording, cmd::IntervalHourly, cmd::IntervalDaily, cmd::IntervalTenMinute,
                 cmd::IntervalMonthly})
    EXPECT_FALSE(frame().action(id)->isEnabled()) << id;
  EXPECT_FALSE(frame().executeCommand(cmd::IntervalDaily)) << "a disabled command does not run";
}

TEST_F(MainWindow, TableCommandsPrintFromTheMenuAndTheChartStaysAsShown) {
  ASSERT_TRUE(start(QString::fromStdString(sample("long-2024-0.5mm.hyy"))));
  trigger(cmd::IntervalDaily);
  const int first = app.document().series().firstShownIndex;
  const int shown = app.document().series().visibleCount;
  TempDir out;
  std::vector<std::string> asked;
  CPrintCommands::Dialogs d;
  d.askTable = [] { return std::optional<TableRequest>(TableRequest{TableKind::HourlyMonth, 2024, 5, "観測所"}); };
  d.askPrint = [&](QPrinter& printer) {
    asked.push_back("print");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(out.file("table.pdf")));
    return true;
  };
  d.preview = [&](QPrinter&, const std::function<void(QPrinter&)>&) { asked.push_back("preview"); };
  d.pageSetup = [&](QPrinter&) { asked.push_back("setup"); };
  ASSERT_NE(view().printing(), nullptr);
  view().printing()->setDialogs(d);
  trigger(cmd::PrintTables);
  trigger(cmd::GraphPreview);
  trigger(cmd::PrinterSetup);
  EXPECT_EQ(asked, (std::vector<std::string>{"print", "preview", "setup"}));
  EXPECT_GT(std::filesystem::file_size(out.file("table.pdf")), 1000u);
  EXPECT_EQ(app.document().intervalMode, IntervalMode::Daily);
  EXPECT_TRUE(frame().action(cmd::IntervalDaily)->isChecked());
  EXPECT_EQ(field("edit1075"), QStringLiteral("<Interval> : 1日"));
  EXPECT_EQ(app.document().series().firstShownIndex, first);
  EXPECT_EQ(app.document().series().visibleCount, shown);
  EXPECT_EQ(app.document().tableFlag, 0) << "the graph preview came last";
}

class ExitPrompt : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    file = dir.file("edited.hyy");
    ASSERT_TRUE(writeTestRecording(file, std::vector<uint16_t>(600, 1), kJune2024, 600, "BEFORE"));
    ASSERT_TRUE(start(QString::fromStdString(file)));
    state.dataModified = 1;
    state.pendingStartTime = kJune2024;
    state.setPendingName("AFTER");
  }
  TempDir dir;
  std::string file;
};

TEST_F(ExitPrompt, YesWritesAndCloses) {
  messages.answerNext(MessageAnswer::Yes);
  EXPECT_TRUE(frame().close());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, file + " の変更を保存しますか。");
  EXPECT_EQ(storedName(file), "AFTER");
  EXPECT_FALSE(frame().isVisible());
}

TEST_F(ExitPrompt, NoClosesWithoutWriting) {
  messages.answerNext(MessageAnswer::No);
  EXPECT_TRUE(frame().close());
  EXPECT_EQ(storedName(file), "BEFORE");
  EXPECT_FALSE(frame().isVisible());
}

TEST_F(ExitPrompt, CancelKeepsTheProgramAndTheChanges) {
  messages.answerNext(MessageAnswer::Cancel);
  EXPECT_FALSE(frame().close());
  EXPECT_TRUE(frame().isVisible());
  EXPECT_EQ(state.dataModified, 1);
  EXPECT_EQ(app.document().loadedFlag, 1);
  EXPECT_EQ(storedName(file), "BEFORE");
  EXPECT_FALSE(QSettings().contains(QStringLiteral("ShownSeriesSpan/Width"))) << "nothing stored yet";
}

TEST_F(ExitPrompt, NoExitWhileAPrintJobHoldsThePendingChanges) {
  {
    PrintJobHold job(state);
    EXPECT_FALSE(frame().close());
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(messages.shown.empty());
  }
  EXPECT_EQ(state.dataModified, 1);
  messages.answerNext(MessageAnswer::No);
  EXPECT_TRUE(frame().close());
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(ExitPrompt, TheExitCommandAsksToo) {
  messages.answerNext(MessageAnswer::Cancel);
  EXPECT_TRUE(frame().executeCommand(cmd::Exit));
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(frame().isVisible());
}

TEST_F(MainWindow, AcceleratorsAreBoundAndFire) {
  ASSERT_TRUE(start(QString::fromStdString(sample("short-2026-06-0.5mm.hyy"))));
  const auto& keys = frame().shortcutsByCommand();
  ASSERT_EQ(keys.size(), 25u);
  EXPECT_EQ(keys.at(cmd::EnlargeVertical)->key(), QKeySequence(Qt::CTRL | Qt::Key_Up));
  EXPECT_EQ(keys.at(cmd::ShrinkHorizontal)->key(), QKeySequence(Qt::CTRL | Qt::Key_Right));
  EXPECT_EQ(keys.at(cmd::About)->key(), QKeySequence(Qt::CTRL | Qt::Key_A));
  EXPECT_EQ(keys.at(cmd::Undo)->key(), QKeySequence(Qt::ALT | Qt::Key_U));
  // The menu shows exactly its own text, not a key Qt would add.
  EXPECT_EQ(frame().action(cmd::About)->text(), QStringLiteral("HY for Windowsのﾊﾞｰｼﾞｮﾝ情報(&A)..."));
  EXPECT_TRUE(frame().action(cmd::About)->shortcut().isEmpty());

  frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
  QTest::keyClick(&frame(), Qt::Key_D, Qt::ShiftModifier);
  QCoreApplication::processEvents();
  EXPECT_EQ(app.document().intervalMode, IntervalMode::Daily);
  QTest::keyClick(&frame(), Qt::Key_T, Qt::ShiftModifier);
  EXPECT_EQ(app.document().intervalMode, IntervalMode::TenMinute);
  QTest::keyClick(&frame(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(app.document().loadedFlag, 0);
  QTest::keyClick(&frame(), Qt::Key_M, Qt::ShiftModifier);
  EXPECT_EQ(app.document().intervalMode, IntervalMode::TenMinute) << "disabled without a recording";
}

TEST_F(MainWindow, HelpOpensThePageBesideTheProgramOrSaysItCannot) {
  ASSERT_TRUE(start());
  QUrl opened;
  frame().setUrlOpener([&](const QUrl& url) {
    opened = url;
    return true;
  });
  EXPECT_TRUE(frame().executeCommand(cmd::HelpTopics));
  EXPECT_TRUE(opened.isLocalFile());
  EXPECT_TRUE(opened.toLocalFile().endsWith(QStringLiteral("/help/Hyetoscope.html")));
  EXPECT_TRUE(messages.shown.empty());

  frame().setUrlOpener([](const QUrl&) { return false; });
  EXPECT_TRUE(frame().executeCommand(cmd::HelpTopics));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "ヘルプファイル <Hyetoscope.chm> が起動できません。");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
}

TEST_F(MainWindow, AboutBoxShowsTheVersion) {
  ASSERT_TRUE(start());
  QString title;
  QString version;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    if (auto* label = box->findChild<QWidget*>(QStringLiteral("versionText")))
      version = label->property("text").toString();
    box->close();
  });
  EXPECT_TRUE(frame().executeCommand(cmd::About));
  EXPECT_EQ(title, QStringLiteral("HY for Windows のﾊﾞｰｼﾞｮﾝ情報"));
  EXPECT_EQ(version, QStringLiteral("HY for Windows Version 2.11"));
}

TEST_F(MainWindow, DeviceCommandsOpenTheirDialogsWithOrWithoutARecording) {
  ASSERT_TRUE(start());
  for (int id : {cmd::DeviceState, cmd::ReservedRecording}) {
    QString name;
    QString title;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      name = dialog->objectName();
      title = dialog->windowTitle();
      dialog->close();
    });
    EXPECT_TRUE(frame().executeCommand(id)) << id;
    EXPECT_EQ(name, id == cmd::DeviceState ? QStringLiteral("deviceStateDialog") : QStringLiteral("reservedRecordDialog"));
    EXPECT_EQ(title, id == cmd::DeviceState ? QStringLiteral("本体状態設定") : QStringLiteral("予約記録設定"));
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindow, AnalysisMenuOpensTheWindowWhileARecordingIsLoaded) {
  ASSERT_TRUE(start(QString::fromStdString(sample("long-2024-0.5mm.hyy"))));
  const QList<QAction*> menus = frame().menuBar()->actions();
  ASSERT_EQ(menus.size(), 8);
  EXPECT_EQ(menus[6]->text(), QStringLiteral("解析(&A)"));
  EXPECT_EQ(menus[7]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
  EXPECT_EQ(menus[6]->menu()->actions().front(), frame().action(cmd::RainAnalysis));
  ASSERT_TRUE(frame().action(cmd::RainAnalysis)->isEnabled());
  trigger(cmd::RainAnalysis);
  CRainAnalysisDlg* window = frame().rainAnalysis()->window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("降雨解析"));
  EXPECT_GT(window->results().events().size(), 0u);

  // Closing the recording closes the window and disables the command.
  trigger(cmd::CloseRecording);
  EXPECT_EQ(frame().rainAnalysis()->window(), nullptr);
  EXPECT_FALSE(frame().action(cmd::RainAnalysis)->isEnabled());
  EXPECT_TRUE(messages.shown.empty());
}
