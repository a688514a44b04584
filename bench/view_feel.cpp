// How the window feels while exploring: the long sample in ten-minute and in
// hourly mode, the view at 1600 x 900 on the offscreen platform, showing the
// whole series, half of it and 1,000 bars.
//
// For each window, 200 times each: one scroll step (the bar's line step,
// alternately right and left), one zoom (enlarge and shrink horizontally in
// turn) and one cursor move (both cursors one bar right or left, as the
// arrow buttons step them), each with every paint it causes: the action's
// own synchronous repaint, then whatever it left pending (the statistics
// row, the scroll bar), as the event loop would paint next. Printed: the
// 95th percentile of action + paints in milliseconds, as wall-clock time and
// as the CPU time of the program's thread. On a machine that other jobs keep
// busy the wall-clock figure mostly measures waiting for a core; the CPU
// time is what the repaint itself costs. --full measures as this benchmark
// first did, for comparison: the zoom and a bare step of the cursor indices
// (no statistics) each followed by a synchronous repaint of the whole view,
// children and all; the scroll step as it is.
//
// Then 200 thumb-track events queued at once (the thumb dragged over the
// bar as fast as events arrive): the time from the last one arriving in the
// queue until the view has painted the window it asks for.
//
// With --overlay the chart also draws the continuous and effective rainfall
// over the bars (the analysis menu's switch), computed for the recording on
// the first paint and drawn on every one.
//
//   bench_view_feel [--overlay] [--full] [repetitions, default 200]
#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "CommandIds.h"
#include "RecordingState.h"
#include "UserMessages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {
class SilentMessages : public UserMessages {
 public:
  MessageAnswer show(const std::string&, MessageIcon, MessageButtons) override { return MessageAnswer::Ok; }
};

struct Figures {
  double wallP95, cpuMedian, cpuP95;
};

double threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double percentile(std::vector<double> v, int p) {
  std::sort(v.begin(), v.end());
  const size_t rank = (v.size() * static_cast<size_t>(p) + 99) / 100;
  return v[std::min(v.size() - 1, rank == 0 ? 0 : rank - 1)];
}

// After each action: the paints it left pending, a repaint of the whole
// view, or nothing more (--full's scroll step, which repaints by itself).
enum class Then { PendingPaints, WholeRepaint, Nothing };

Figures measure(int repetitions, CHyetoscopeView& view, const std::function<void(int)>& action, Then then) {
  std::vector<double> wall, cpu;
  QElapsedTimer timer;
  for (int k = 0; k < repetitions; ++k) {
    const double cpu0 = threadCpuMs();
    timer.start();
    action(k);
    if (then == Then::WholeRepaint) view.repaint();
    if (then == Then::PendingPaints) QCoreApplication::sendPostedEvents(view.window(), QEvent::UpdateRequest);
    wall.push_back(timer.nsecsElapsed() / 1e6);
    cpu.push_back(threadCpuMs() - cpu0);
  }
  return {percentile(wall, 95), percentile(cpu, 50), percentile(cpu, 95)};
}

// Counts the view's paints.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  int repetitions = 200;
  bool overlay = false;
  bool full = false;
  for (int k = 1; k < argc; ++k) {
    if (std::string(argv[k]) == "--overlay") overlay = true;
    else if (std::string(argv[k]) == "--full") full = true;
    else repetitions = std::max(10, std::atoi(argv[k]));
  }

  RecordingState state;
  SilentMessages messages;
  CHyetoscopeDoc doc(state, messages);
  if (!doc.onOpenDocument(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy")) return 1;
  CHyetoscopeView view(doc, state);
  view.overlay().setShown(overlay);
  view.resize(1600, 900);
  view.onInitialUpdate();
  view.show();
  view.repaint();
  auto* bar = view.findChild<QScrollBar*>(QStringLiteral("scrollBar1001"));
  PaintCounter counter;
  view.installEventFilter(&counter);

  std::printf("view %dx%d%s%s, %d repetitions; ms: wall p95 / cpu median / cpu p95\n", view.width(), view.height(),
              overlay ? " with the overlay" : "", full ? ", whole view repainted" : "", repetitions);
  for (int modeCommand : {cmd::IntervalTenMinute, cmd::IntervalHourly}) {
    view.onCommand(modeCommand);
    QCoreApplication::processEvents();
    DisplaySeries& s = doc.series();
    const int N = s.valueCount;
    std::printf("%s, %d bars\n", modeCommand == cmd::IntervalTenMinute ? "ten-minute" : "hourly", N);
    for (int shown : {N, N / 2, 1000}) {
      s.visibleCount = shown;
      s.firstShownIndex = (N - shown) / 2;
      view.chartNavigation().setBand(shown, 0.0);  // the zoom the commands halve and double
      s.cursorA = s.firstShownIndex + shown / 3;
      s.cursorB = s.firstShownIndex + shown / 2;
      view.repaint();
      const Figures scroll = measure(repetitions, view, [&](int k) {
        bar->triggerAction(k % 2 == 0 ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
      }, full ? Then::Nothing : Then::PendingPaints);
      const Then paint = full ? Then::WholeRepaint : Then::PendingPaints;
      const Figures zoom = measure(repetitions, view, [&](int k) {
        view.onCommand(k % 2 == 0 ? cmd::EnlargeHorizontal : cmd::ShrinkHorizontal);
      }, paint);
      s.visibleCount = shown;
      const Figures cursor = measure(repetitions, view, [&](int k) {
        if (full) {
          CursorState::shift(k % 2 == 0 ? 1 : -1, doc);
        } else {
          view.stepCursors(k % 2 == 0 ? 1 : -1);
        }
      }, paint);
      std::printf("  %6d shown  scroll %6.2f / %5.2f / %5.2f   zoom %6.2f / %5.2f / %5.2f   cursor %6.2f / %5.2f / %5.2f\n",
                  shown, scroll.wallP95, scroll.cpuMedian, scroll.cpuP95, zoom.wallP95, zoom.cpuMedian, zoom.cpuP95,
                  cursor.wallP95, cursor.cpuMedian, cursor.cpuP95);
    }

    // 200 thumb-track events in the queue at once.
    s.visibleCount = 1000;
    s.firstShownIndex = 0;
    view.repaint();
    QCoreApplication::processEvents();
    int handled = 0;
    const int events = 200;
    const int range = bar->maximum();
    for (int k = 1; k <= events; ++k) {
      QMetaObject::invokeMethod(
          bar,
          [&, k] {
            bar->setSliderDown(true);
            bar->setSliderPosition(range * k / events);
            handled = k;
          },
          Qt::QueuedConnection);
    }
    QElapsedTimer sinceLast;
    sinceLast.start();  // the last event has arrived in the queue
    const int paintsBefore = counter.paints;
    int paintedAfterLast = -1;
    while (paintedAfterLast < 0) {
      const int handledBefore = handled;
      QCoreApplication::processEvents();
      if (handledBefore == events && counter.paints > paintsBefore) paintedAfterLast = counter.paints;
      if (sinceLast.elapsed() > 5000) break;
    }
    const double lastPainted = sinceLast.nsecsElapsed() / 1e6;
    bar->setSliderDown(false);
    std::printf("  %d queued thumb-track events: last painted %.2f ms after it arrived, %d paints, f = %d\n", events,
                lastPainted, counter.paints - paintsBefore, s.firstShownIndex);
  }
  return 0;
}
