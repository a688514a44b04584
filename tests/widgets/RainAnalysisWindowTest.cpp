// The rain analysis window on the long sample, on the offscreen platform:
// its CSV is the command-line tool's bytes, a double click on an event is
// one undoable band zoom onto the event, the settings survive a restart and
// a bad gap is refused with the focus left on it, and the window follows
// the recording.
#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "CRainAnalysisDlg.h"
#include "CliRun.h"
#include "CommandIds.h"
#include "PrivateHome.h"
#include "RainAnalysisCommand.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

PrivateHome& home = privateHome();

std::string sample(const char* name) { return std::string(HY_SAMPLES_DIR) + "/" + name; }

// The tool's output without its header line.
std::string body(const std::string& csv) { return csv.substr(csv.find('\n') + 1); }

class RainAnalysisWindow : public ::testing::Test {
 protected:
  RainAnalysisWindow() : doc(state, messages), view(doc, state), command(doc, view, messages, &view) {
    QCoreApplication::setOrganizationName(QStringLiteral("hyetoscope-test"));
    QCoreApplication::setApplicationName(QStringLiteral("analysis-window"));
    QSettings().remove(QString::fromLatin1(kAnalysisSettingsGroup));
    view.resize(1000, 600);
    view.onInitialUpdate();
    view.show();
    EXPECT_TRUE(doc.onOpenDocument(sample("long-2024-0.5mm.hyy")));
    QApplication::processEvents();
    CRainAnalysisDlg::Hooks hooks;
    hooks.chooseCsvFile = [this](QWidget*, const std::string&) { return csvPath; };
    command.setDialogHooks(hooks);
  }
  CRainAnalysisDlg* open() {
    command.open();
    QApplication::processEvents();
    return command.window();
  }
  void type(CRainAnalysisDlg* w, AnalysisField f, const char* text) { w->field(f)->setText(QString::fromUtf8(text)); }

  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeDoc doc;
  CHyetoscopeView view;
  RainAnalysisCommand command;
  TempDir dir;
  std::string csvPath;
};

TEST_F(RainAnalysisWindow, SavedTablesAreTheToolsBytes) {
  CRainAnalysisDlg* w = open();
  ASSERT_NE(w, nullptr);
  type(w, AnalysisField::Gap, "180");
  type(w, AnalysisField::MinDepth, "1.5");
  type(w, AnalysisField::AlarmContinuous, "40");
  type(w, AnalysisField::AlarmHourly, "10");
  type(w, AnalysisField::CombinedContinuous, "30");
  type(w, AnalysisField::CombinedHourly, "8");
  ASSERT_TRUE(w->applySettings());
  ASSERT_GT(w->eventView()->model()->rowCount(), 3);

  csvPath = dir.file("events.csv");
  ASSERT_TRUE(w->saveCsv());
  const CliResult events = runCli({"events", "--gap", "180min", "--min-depth", "1.5", "--alarm-continuous", "40",
                                   "--alarm-hourly", "10", "--alarm-combined", "30,8", sample("long-2024-0.5mm.hyy")});
  ASSERT_EQ(events.exitCode, 0) << events.err;
  EXPECT_EQ(readWholeFile(csvPath), events.out);

  // The maxima tab: whole recording and years, then months on request; each
  // part is the tool's lines for that period.
  w->tabs()->setCurrentIndex(1);
  w->monthlyBox()->setChecked(true);
  csvPath = dir.file("maxima.csv");
  ASSERT_TRUE(w->saveCsv());
  std::string expected;
  for (const char* by : {"whole", "year", "month"}) {
    const CliResult r = runCli({"maxima", "--by", by, sample("long-2024-0.5mm.hyy")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    expected += expected.empty() ? r.out : body(r.out);
  }
  EXPECT_EQ(readWholeFile(csvPath), expected);
  EXPECT_TRUE(messages.shown.empty());

  // A file that cannot be written is told and leaves nothing behind.
  csvPath = dir.file("missing-folder/maxima.csv");
  EXPECT_FALSE(w->saveCsv());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing-folder"));
}

TEST_F(RainAnalysisWindow, DoubleClickIsOneUndoableBandZoomOntoTheEvent) {
  ASSERT_EQ(doc.intervalMode, IntervalMode::Hourly);
  CRainAnalysisDlg* w = open();
  ASSERT_NE(w, nullptr);
  // The largest storm first: total_mm descending (numbers by value).
  w->eventView()->sortByColumn(3, Qt::DescendingOrder);
  const auto& events = w->results().events();
  ASSERT_GT(events.size(), 2u);
  size_t largest = 0;
  for (size_t i = 1; i < events.size(); ++i)
    if (events[i].totalMm > events[largest].totalMm) largest = i;

  QTableView* table = w->eventView();
  const QRect cell = table->visualRect(table->model()->index(0, 3));
  // The first click of a user's double click, then the double click itself
  // (the test's double click alone does not reach the view as one).
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QApplication::processEvents();

  EXPECT_EQ(doc.intervalMode, IntervalMode::TenMinute);
  const DisplaySeries& s = doc.series();
  EXPECT_EQ(s.seriesStart + 600LL * s.firstShownIndex, events[largest].start);
  EXPECT_EQ(s.seriesStart + 600LL * (s.firstShownIndex + s.visibleCount), events[largest].end);
  EXPECT_EQ(view.chartNavigation().history().position(), 1);
  EXPECT_TRUE(doc.undoAvailable);

  // Alt+U's command goes back to the whole ten-minute series.
  ASSERT_TRUE(view.onCommand(cmd::Undo));
  EXPECT_EQ(s.firstShownIndex, 0);
  EXPECT_EQ(s.visibleCount, s.valueCount);
  EXPECT_FALSE(doc.undoAvailable);
}

TEST_F(RainAnalysisWindow, SettingsSurviveARestartAndABadGapKeepsTheFocus) {
  CRainAnalysisDlg* w = open();
  ASSERT_NE(w, nullptr);
  type(w, AnalysisField::Gap, "90");
  type(w, AnalysisField::HalfLifeShort, "2.5");
  type(w, AnalysisField::AlarmHourly, "20");
  w->monthlyBox()->setChecked(true);
  ASSERT_TRUE(w->applySettings());
  RainAnalysisSettings expected;
  expected.gapMinutes = 90;
  expected.halfLifeShortH = 2.5;
  expected.alarms.hourlyMm = 20.0;
  expected.monthlyMaxima = true;
  EXPECT_EQ(CRainAnalysisDlg::storedSettings(), expected);

  // A new window starts from them.
  w->findChild<QPushButton*>(QStringLiteral("analysisClose"))->click();
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  w = open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->field(AnalysisField::Gap)->text(), QStringLiteral("90"));
  EXPECT_EQ(w->field(AnalysisField::HalfLifeShort)->text(), QStringLiteral("2.5"));
  EXPECT_TRUE(w->field(AnalysisField::AlarmContinuous)->text().isEmpty());
  EXPECT_TRUE(w->monthlyBox()->isChecked());
  EXPECT_EQ(w->results().settings(), expected);

  // A gap that is not a multiple of ten minutes: told, focus kept, nothing
  // stored or recomputed.
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  const size_t rows = w->results().events().size();
  type(w, AnalysisField::Gap, "25");
  QTest::keyClick(w->field(AnalysisField::Gap), Qt::Key_Return);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("10分単位"), std::string::npos);
  EXPECT_EQ(QApplication::focusWidget(), w->field(AnalysisField::Gap));
  EXPECT_EQ(w->tabs()->currentIndex(), 2);
  EXPECT_EQ(CRainAnalysisDlg::storedSettings(), expected);
  EXPECT_EQ(w->results().events().size(), rows);
}

TEST_F(RainAnalysisWindow, FollowsTheRecordingAndClosesWithIt) {
  CRainAnalysisDlg* w = open();
  ASSERT_NE(w, nullptr);
  const size_t longEvents = w->results().events().size();
  ASSERT_TRUE(doc.onOpenDocument(sample("short-2026-06-0.5mm.hyy")));
  command.follow();
  EXPECT_EQ(command.window(), w);
  EXPECT_NE(w->results().events().size(), longEvents);
  EXPECT_EQ(w->eventView()->model()->rowCount(), static_cast<int>(w->results().events().size()));

  doc.onCloseRecording();
  command.follow();
  QApplication::processEvents();
  EXPECT_EQ(command.window(), nullptr);
}

}  // namespace
