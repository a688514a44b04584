// Painting the chart of the long sample recording in ten-minute mode, shown
// whole (59,001 bars), into a 1600 x 600 image: the plot where the view
// would lay it out in a window of that size, labels in its margins.
//   PerColumn: one line per pixel column with the tallest bar (the program)
//   EveryBar:  one line per bar (same pixels)
// Each iteration computes the chart and paints it, as a repaint does.
//
// The sample year is mostly dry: only 1,393 of its 59,001 ten-minute values
// are above zero, and a zero draws nothing, so one line per bar is only
// 1,393 lines there. The Wet cases add 0.5 mm to every value, so that every
// bar draws a line: the worst case a full recording can bring.
#include "ChartPainter.h"

#include "CLogstore1App.h"
#include "FileImage.h"
#include "RecordingBuffer.h"
#include "TenMinuteSeries.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

std::unique_ptr<DisplaySeries> longTenMinuteSeries(bool wet) {
  auto image = std::make_unique<FileImage>();
  logstore::CLogstore1App store;
  if (!store.BfileToBuff(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy", image->bytes)) return nullptr;
  auto recording = std::make_unique<RecordingBuffer>();
  copyFileImage(*image, *recording);
  TenMinuteSeries built;
  if (!built.build(*recording)) return nullptr;
  auto series = std::make_unique<DisplaySeries>();
  series->setValues(built.values.get(), built.valueCount);
  series->intervalMode = IntervalMode::TenMinute;
  series->seriesStart = built.startTime;
  series->verticalMax = 50;
  series->visibleCount = series->valueCount;
  if (wet) {
    for (int i = 0; i < series->valueCount; ++i) series->values[i] += 0.5;
  }
  return series;
}

void paintChart(benchmark::State& state, bool everyBar, bool wet) {
  auto series = longTenMinuteSeries(wet);
  if (!series) {
    state.SkipWithError("cannot load the long sample");
    return;
  }
  QImage image(1600, 600, QImage::Format_RGB32);
  const QRect plot(50, 18, 1600 - 70 + 1, 600 - 138);
  image.fill(Qt::white);
  for (auto _ : state) {
    QPainter painter(&image);
    ChartInput in;
    in.left = plot.left();
    in.top = plot.top();
    in.right = plot.left() + plot.width();
    in.bottom = plot.top() + plot.height();
    in.series = series.get();
    in.lineEveryBar = everyBar;
    ChartPainter::paint(painter, ChartPainter::labelFont(), std::move(in));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["bars"] = series->visibleCount;
}

void PerColumn(benchmark::State& state) { paintChart(state, false, false); }
void EveryBar(benchmark::State& state) { paintChart(state, true, false); }
void PerColumnWet(benchmark::State& state) { paintChart(state, false, true); }
void EveryBarWet(benchmark::State& state) { paintChart(state, true, true); }

}  // namespace

BENCHMARK(PerColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(EveryBar)->Unit(benchmark::kMillisecond);
BENCHMARK(PerColumnWet)->Unit(benchmark::kMillisecond);
BENCHMARK(EveryBarWet)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
