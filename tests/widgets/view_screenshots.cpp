// Screenshots of the program's window for looking at by eye:
//   hy-view-screenshots [output folder, default /tmp]
// storm-*.png: the long sample in ten-minute mode, zoomed twice by band onto
//   its wettest day, both cursors dragged onto the storm, then after Undo;
// scale-*.png: the two scale dialogs;
// labels-<sample>-<mode>-<width>.png: every mode of two samples in the
//   window's default 640 x 480 and at 1000 x 600;
// screen-*.png: what the window shows on screen (its backing store, not a
//   fresh drawing) after each of a run of actions, as the event loop paints
//   them, with the overlay off and on: scroll steps, zooms, arrow steps of
//   the cursors, a cursor drag, a band drag and an undo.
// Settings go to a temporary folder.
#include "CHyetoscopeApp.h"
#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "GraphPlotCtrl.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"

#include <QApplication>
#include <QScreen>
#include <QDialog>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
bool save(QWidget& w, const std::string& path) {
  const bool ok = w.grab().save(QString::fromStdString(path));
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
  return ok;
}

// The program started on a bundled sample, as a user starts it with a file.
struct Program {
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app{state, messages};
  bool open(const char* sample) {
    const QString file = QStringLiteral(HY_SAMPLES_DIR "/%1.hyy").arg(QString::fromLatin1(sample));
    return app.initInstance({QStringLiteral("hyetoscope"), file});
  }
};

// What the window shows now, once pending paints are done: the screen's
// grab of it (on the offscreen platform, a copy of its backing store).
bool saveScreen(QWidget& w, const std::string& path) {
  QCoreApplication::processEvents();
  const bool ok = w.screen()->grabWindow(w.winId()).save(QString::fromStdString(path));
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
  return ok;
}

// Drags the handle of a cursor from its place in the strip to x.
void dragCursor(CHyetoscopeView& view, Cursor c, int x) {
  const ViewRect h = view.cursors().handle(c);
  const ViewRect other = view.cursors().handle(c == Cursor::A ? Cursor::B : Cursor::A);
  int px = h.left;
  while (px < h.right - 1 && px >= other.left && px < other.right) ++px;
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(px, h.top + 5));
  QTest::mouseMove(&view, QPoint(x, h.top + 5));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(x, h.top + 5));
}

// The x of bar index i (0-based) in the view's plot.
int barX(CHyetoscopeView& view, const DisplaySeries& s, int i) {
  const ViewRect& plot = view.layoutRects().plot;
  const double p = (plot.right - plot.left - 3) / static_cast<double>(s.visibleCount);
  return plot.left + 2 + static_cast<int>(p * (i - s.firstShownIndex) + p / 2);
}
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir home;
  setenv("HOME", home.path().toLocal8Bit().constData(), 1);
  setenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit().constData(), 1);
  setenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit().constData(), 1);
  QApplication qapp(argc, argv);
  const std::string out = argc > 1 ? argv[1] : "/tmp";
  int failures = 0;

  {
    Program program;
    if (!program.open("long-2024-0.5mm")) return 1;
    CHyetoscopeApp& app = program.app;
    CMainFrame& frame = *app.mainFrame();
    CHyetoscopeView& view = *frame.view();
    frame.resize(1100, 650);
    frame.executeCommand(cmd::IntervalTenMinute);
    QCoreApplication::processEvents();
    view.repaint();
    DisplaySeries& s = app.document().series();
    // The wettest day: the 144 ten-minute bars with the largest sum.
    int best = 0;
    double bestSum = -1, sum = 0;
    for (int i = 0; i < s.valueCount; ++i) {
      sum += s.values[i] - (i >= 144 ? s.values[i - 144] : 0.0);
      if (i >= 143 && sum > bestSum) bestSum = sum, best = i - 143;
    }
    // Two bands, as a user drags them: a week around the day, then the day.
    GraphPlotCtrl& chart = *view.chart();
    auto band = [&](int from, int to) {
      const ViewRect& plot = view.layoutRects().plot;
      QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(barX(view, s, from) - plot.left, 60));
      QTest::mouseMove(&chart, QPoint(barX(view, s, to) - plot.left, 120));
      QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(barX(view, s, to) - plot.left, 120));
      view.repaint();
    };
    band(std::max(best - 432, 0), best + 576);
    band(best, best + 144);
    // A on the first bar of the day's heavy rain (5 mm or more), B on its last.
    int first = -1, last = -1;
    for (int i = s.firstShownIndex; i < s.firstShownIndex + s.visibleCount && i < s.valueCount; ++i) {
      if (s.values[i] >= 5.0) {
        if (first < 0) first = i;
        last = i;
      }
    }
    if (first < 0) first = last = s.firstShownIndex;
    dragCursor(view, Cursor::A, barX(view, s, first));
    dragCursor(view, Cursor::B, barX(view, s, last));
    view.repaint();
    failures += !save(frame, out + "/storm-zoomed.png");
    frame.executeCommand(cmd::Undo);
    view.repaint();
    failures += !save(frame, out + "/storm-after-undo.png");

    auto grabDialog = [&](int id, const std::string& name) {
      QTimer::singleShot(100, [&, name] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
          failures += !save(*d, out + "/" + name);
          d->reject();
        } else {
          ++failures;
        }
      });
      frame.executeCommand(id);
    };
    grabDialog(cmd::VerticalScale, "scale-vertical.png");
    grabDialog(cmd::HorizontalScale, "scale-horizontal.png");
  }

  // The screen after each action, overlay off and on.
  for (const bool overlay : {false, true}) {
    Program program;
    if (!program.open("long-2024-0.5mm")) return 1;
    CHyetoscopeApp& app = program.app;
    CMainFrame& frame = *app.mainFrame();
    CHyetoscopeView& view = *frame.view();
    frame.resize(1000, 600);
    frame.show();
    view.overlay().setShown(overlay);
    int step = 0;
    const std::string stem = out + "/screen-" + (overlay ? "overlay-" : "plain-");
    auto shot = [&](const char* what) {
      failures += !saveScreen(frame, stem + std::to_string(++step) + "-" + what + ".png");
    };
    auto* bar = view.findChild<QScrollBar*>(QStringLiteral("scrollBar1001"));
    auto clickArrow = [&](const ViewRect& r) {
      QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    };
    for (int id : {cmd::IntervalTenMinute, cmd::IntervalHourly}) {
      frame.executeCommand(id);
      shot(id == cmd::IntervalTenMinute ? "tenminute" : "hourly");
      DisplaySeries& s = app.document().series();
      frame.executeCommand(cmd::EnlargeHorizontal);
      shot("enlarged");
      bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      shot("scrolled");
      bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
      shot("paged");
      dragCursor(view, Cursor::A, barX(view, s, s.firstShownIndex + s.visibleCount / 4));
      shot("cursor-a");
      dragCursor(view, Cursor::B, barX(view, s, s.firstShownIndex + s.visibleCount / 2));
      shot("cursor-b");
      clickArrow(view.layoutRects().rightArrow);
      shot("arrow-right");
      clickArrow(view.layoutRects().leftArrow);
      clickArrow(view.layoutRects().leftArrow);
      shot("arrow-left");
      bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
      shot("scrolled-back");
      GraphPlotCtrl& chart = *view.chart();
      const ViewRect& plot = view.layoutRects().plot;
      const int from = barX(view, s, s.firstShownIndex + s.visibleCount / 3) - plot.left;
      const int to = barX(view, s, s.firstShownIndex + s.visibleCount * 2 / 3) - plot.left;
      QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(from, 60));
      QTest::mouseMove(&chart, QPoint(to, 120));
      shot("band");
      QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(to, 120));
      shot("band-zoomed");
      frame.executeCommand(cmd::ShrinkHorizontal);
      shot("shrunk");
      frame.executeCommand(cmd::Undo);
      shot("undone");
    }
  }

  const std::pair<int, const char*> modes[] = {{cmd::IntervalHourly, "hourly"},
                                               {cmd::IntervalDaily, "daily"},
                                               {cmd::IntervalTenMinute, "tenminute"},
                                               {cmd::IntervalMonthly, "monthly"}};
  for (const char* sample : {"tenth-2025-09-0.1mm", "long-2024-0.5mm"}) {
    Program program;
    if (!program.open(sample)) return 1;
    CHyetoscopeApp& app = program.app;
    CMainFrame& frame = *app.mainFrame();
    for (QSize size : {QSize(640, 480), QSize(1000, 600)}) {
      frame.resize(size);
      for (const auto& [id, name] : modes) {
        frame.executeCommand(id);
        QCoreApplication::processEvents();
        frame.view()->repaint();
        failures += !save(frame, out + "/labels-" + sample + "-" + name + "-" + std::to_string(size.width()) + ".png");
      }
    }
  }
  return failures == 0 ? 0 : 1;
}
