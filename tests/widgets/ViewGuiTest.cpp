// Exploring a recording in the program's window on the offscreen platform:
// the zoom band, the keys of the zoom, move and Undo/Redo commands, the
// scroll bar, a cursor dragged in the strip and the two scale dialogs.
// Settings go to a private folder, never the user's.
#include "CHorizontalScaleDlg.h"
#include "CHyetoscopeApp.h"
#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "CMainFrame.h"
#include "CVerticalScaleDlg.h"
#include "CommandIds.h"
#include "GraphPages.h"
#include "GraphPlotCtrl.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"
#include "PrivateHome.h"
#include "TestClock.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

// Runs before the QApplication exists.
const bool kHomeReady = (privateHome(), true);

class ExploreChart : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kHomeReady);
    applyProgramIdentity();
    QSettings().clear();
    const QString file = QStringLiteral(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy");
    ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope"), file}));
    frame().resize(1000, 700);
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    view().repaint();
  }
  CMainFrame& frame() { return *app.mainFrame(); }
  CHyetoscopeView& view() { return *frame().view(); }
  DisplaySeries& series() { return app.document().series(); }
  QString statsCell(int column) {
    return view().findChild<QTreeWidget*>(QStringLiteral("statsList1048"))->topLevelItem(0)->text(column);
  }
  void key(Qt::Key k, Qt::KeyboardModifiers m) {
    QTest::keyClick(&frame(), k, m);
    view().repaint();
  }
  // Runs a command whose modal dialog `act` handles once it is shown; with
  // a key, the command is started by that key.
  void withDialog(int id, std::function<void(QDialog*)> act, QKeyCombination keys = {}) {
    QTimer::singleShot(0, [act] { act(qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
    if (keys.key() != Qt::Key_unknown && keys.key() != Qt::Key(0)) {
      QTest::keyClick(&frame(), keys.key(), keys.keyboardModifiers());
    } else {
      frame().executeCommand(id);
    }
  }

  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app{state, messages};
};

// The name under the chart is decoded exactly as on the printed page, also
// where decoders disagree: byte 0x5C and a double-byte character cut off at
// the end of the field.
TEST_F(ExploreChart, DataNameReadsAsOnThePrintedPage) {
  RecordingBuffer& recording = app.document().recording();
  const char name[] = "A\x5C\x83\x65\x83\x8B\x82";
  std::memset(recording.dataName, 0, sizeof recording.dataName);
  std::memcpy(recording.dataName, name, sizeof name - 1);
  view().showData();
  EXPECT_EQ(statsCell(0).toStdString(), printDataName(recording));
  EXPECT_FALSE(statsCell(0).contains(QChar(0xFFFD)));
}

TEST_F(ExploreChart, BandKeysUndoAndRedo) {
  const int N = series().valueCount;
  GraphPlotCtrl* chart = view().chart();
  const double pitch = view().barPitch();
  ASSERT_GT(pitch, 0.0);
  QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(300, 100));
  QTest::mouseMove(chart, QPoint(500, 150));
  QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(500, 150));
  view().repaint();
  EXPECT_EQ(series().visibleCount, static_cast<int>(200 / pitch));
  EXPECT_EQ(series().firstShownIndex, static_cast<int>(300 / pitch));
  EXPECT_TRUE(frame().action(cmd::Undo)->isEnabled());
  EXPECT_FALSE(frame().action(cmd::Redo)->isEnabled());
  const int n = series().visibleCount;
  const int f = series().firstShownIndex;

  key(Qt::Key_Left, Qt::ControlModifier);  // enlarge horizontally
  EXPECT_EQ(series().visibleCount, static_cast<int>(200 / pitch * 0.5));
  key(Qt::Key_Right, Qt::ControlModifier);  // shrink horizontally
  EXPECT_EQ(series().visibleCount, n);
  key(Qt::Key_Down, Qt::ControlModifier);  // shrink vertically
  EXPECT_EQ(series().verticalMax, 150);
  key(Qt::Key_Up, Qt::ControlModifier);
  key(Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(series().verticalMax, 50);
  key(Qt::Key_R, Qt::ShiftModifier);  // move right
  EXPECT_EQ(series().firstShownIndex, f + 1);
  key(Qt::Key_L, Qt::ShiftModifier);
  EXPECT_EQ(series().firstShownIndex, f);

  // The scroll bar's page step moves a window on.
  auto* bar = view().findChild<QScrollBar*>(QStringLiteral("scrollBar1001"));
  ASSERT_TRUE(bar->isEnabled());
  const int position = bar->value();
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  view().repaint();
  EXPECT_EQ(series().firstShownIndex, f + n);
  EXPECT_GT(bar->value(), position);
  // The bar shows the window, also after an action that moves nothing.
  EXPECT_EQ(bar->value(), view().chartNavigation().scrollBar(bar->width()).position);
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  view().repaint();
  EXPECT_EQ(series().firstShownIndex, f + n);
  EXPECT_EQ(bar->value(), view().chartNavigation().scrollBar(bar->width()).position);
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  view().repaint();

  EXPECT_EQ(series().firstShownIndex, f);
  key(Qt::Key_U, Qt::AltModifier);
  EXPECT_EQ(series().visibleCount, N);
  EXPECT_EQ(series().firstShownIndex, 0);
  EXPECT_FALSE(frame().action(cmd::Undo)->isEnabled());
  EXPECT_TRUE(frame().action(cmd::Redo)->isEnabled());
  EXPECT_FALSE(bar->isEnabled());
  key(Qt::Key_R, Qt::AltModifier);
  EXPECT_EQ(series().visibleCount, n);
  EXPECT_EQ(series().firstShownIndex, f);
  key(Qt::Key_B, Qt::ControlModifier);  // initial size
  EXPECT_EQ(series().visibleCount, N);
  EXPECT_EQ(series().verticalMax, 100);
  EXPECT_FALSE(frame().action(cmd::Undo)->isEnabled());
}

TEST_F(ExploreChart, CursorDraggedInTheStripFillsTheStatistics) {
  series().visibleCount = 48;
  series().firstShownIndex = 100;
  view().repaint();
  const ViewLayout& l = view().layoutRects();
  const ViewRect a = view().cursors().handle(Cursor::A);
  const ViewRect b = view().cursors().handle(Cursor::B);
  ASSERT_EQ(a.top, l.cursorStrip.top);
  // Both start at the strip's left end; A is on top and taken first.
  QTest::mousePress(&view(), Qt::LeftButton, {}, QPoint(a.left + 3, a.top + 5));
  QTest::mouseMove(&view(), QPoint(l.plot.left + l.plot.width() / 2, a.top + 5));
  QTest::mouseRelease(&view(), Qt::LeftButton, {}, QPoint(l.plot.left + l.plot.width() / 2, a.top + 5));
  EXPECT_GT(series().cursorA, 100);
  EXPECT_LE(series().cursorA, 148);
  EXPECT_NE(statsCell(1), QStringLiteral("-----"));
  EXPECT_EQ(statsCell(2), QStringLiteral("-----"));
  EXPECT_FALSE(statsCell(6).isEmpty());
  EXPECT_NE(statsCell(6), QStringLiteral("-----"));

  QTest::mousePress(&view(), Qt::LeftButton, {}, QPoint(b.left + 1, b.top + 5));
  QTest::mouseRelease(&view(), Qt::LeftButton, {}, QPoint(l.plot.right + 5, b.top + 5));
  EXPECT_EQ(series().cursorB, 148);
  EXPECT_NE(statsCell(5), QStringLiteral("-----"));
  // Moving the window keeps the cursors on their bars.
  key(Qt::Key_R, Qt::ShiftModifier);
  EXPECT_EQ(series().cursorB, 148);
}

TEST_F(ExploreChart, ScaleDialogs) {
  withDialog(cmd::VerticalScale, [](QDialog* d) {
    auto* dlg = qobject_cast<CVerticalScaleDlg*>(d);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->text(), QStringLiteral("100"));
    dlg->edit()->setText(QStringLiteral("15"));
    dlg->accept();
  }, Qt::CTRL | Qt::Key_E);
  EXPECT_EQ(series().verticalMax, 20);
  EXPECT_EQ(app.document().verticalMax(IntervalMode::Hourly), 20);

  withDialog(cmd::VerticalScale, [](QDialog* d) {
    qobject_cast<CVerticalScaleDlg*>(d)->edit()->setText(QStringLiteral("1001"));
    d->accept();
  });
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(series().verticalMax, 20);

  // A wrong day keeps the dialog open; corrected, the window follows it.
  bool stayedOpen = false;
  withDialog(cmd::HorizontalScale, [&](QDialog* d) {
    auto* dlg = qobject_cast<CHorizontalScaleDlg*>(d);
    ASSERT_NE(dlg, nullptr);
    dlg->field(5)->setText(QStringLiteral("2024"));
    dlg->field(6)->setText(QStringLiteral("2"));
    dlg->field(7)->setText(QStringLiteral("30"));
    dlg->accept();
    stayedOpen = dlg->isVisible();
    dlg->field(6)->setText(QStringLiteral("2"));
    dlg->field(7)->setText(QStringLiteral("10"));
    dlg->field(8)->setText(QStringLiteral("00"));
    dlg->field(9)->setText(QStringLiteral("00"));
    dlg->accept();
  });
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].icon, MessageIcon::None);
  EXPECT_EQ(series().firstShownIndex, 0);
  const int64_t lower = horizontalBounds(app.document().recording()).lower;
  EXPECT_EQ(series().visibleCount, (jst(2024, 2, 10, 0, 0) - lower) / 3600 + 1);
}

// A mode switch starts the history anew on the new mode's series: after a
// band there, Undo leads to its whole series, not to a window of the old
// mode; switching back shows the old mode's last band window.
TEST_F(ExploreChart, ModeSwitchStartsTheHistoryAnew) {
  GraphPlotCtrl* chart = view().chart();
  auto band = [&] {
    QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(300, 100));
    QTest::mouseMove(chart, QPoint(600, 150));
    QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(600, 150));
    view().repaint();
  };
  band();
  const BarSpan hourly{series().visibleCount, series().firstShownIndex};
  ASSERT_TRUE(frame().action(cmd::Undo)->isEnabled());
  key(Qt::Key_D, Qt::ShiftModifier);
  ASSERT_EQ(app.document().intervalMode, IntervalMode::Daily);
  EXPECT_FALSE(frame().action(cmd::Undo)->isEnabled());
  EXPECT_EQ(view().chartNavigation().history().position(), 0);
  band();
  key(Qt::Key_U, Qt::AltModifier);
  EXPECT_EQ(series().visibleCount, series().valueCount);
  EXPECT_EQ(series().firstShownIndex, 0);
  key(Qt::Key_H, Qt::ShiftModifier);
  EXPECT_EQ((BarSpan{series().visibleCount, series().firstShownIndex}), hourly);
}
