// Opening the data list on the long sample at ten minutes (59,001 rows):
// from creating the window to its first paint, and scrolling to the end and
// back, on the offscreen platform.
//   bench_data_list [runs, default 10]
#include "CDataListDlg.h"
#include "RecordingBuffer.h"
#include "SampleRecording.h"
#include "UserMessages.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace {
class SilentMessages : public UserMessages {
 public:
  MessageAnswer show(const std::string&, MessageIcon, MessageButtons) override { return MessageAnswer::Ok; }
};

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const std::unique_ptr<RecordingBuffer> rec = loadSampleRecording(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy");
  if (!rec) return 1;
  SilentMessages messages;
  std::vector<double> open, scroll;
  int rows = 0;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    CDataListDlg list(messages, {});
    list.show();
    list.initialise(*rec, false, 0, 3);
    QApplication::processEvents();  // the posted ten-minute button fills the list
    list.repaint();
    open.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    rows = list.list()->model()->rowCount();
    timer.restart();
    for (int step = 0; step < 20; ++step) {
      QScrollBar* bar = list.list()->verticalScrollBar();
      bar->setValue(bar->maximum() * (step % 2 == 0 ? 1 : 0));
      list.list()->viewport()->repaint();
    }
    scroll.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6 / 20);
  }
  std::printf("data list, ten minutes, %d rows: open to first paint median %.2f ms, best %.2f ms\n", rows,
              median(open), *std::min_element(open.begin(), open.end()));
  std::printf("jump to the end or the start and repaint: median %.2f ms per jump\n", median(scroll));
  return 0;
}
