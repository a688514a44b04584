// The rain analysis on the long sample (59,000 ten-minute slots): storm
// events, maxima by month, every per-slot index (continuous, effective
// rainfall for 1.5 h and 72 h, soil water index), the three together as
// the analysis window computes them, and the indices table as text.
#include "AnalysisTables.h"
#include "CLogstore1App.h"
#include "FileImage.h"
#include "RainIndices.h"
#include "RainfallMaxima.h"
#include "RecordedSlots.h"
#include "RecordingBuffer.h"
#include "StormEvents.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const char* kLongSample = HY_SAMPLES_DIR "/long-2024-0.5mm.hyy";

struct LongSample {
  std::unique_ptr<RecordingBuffer> recording = std::make_unique<RecordingBuffer>();
  RecordedSlots slots;
  bool ok = false;

  LongSample() {
    auto image = std::make_unique<FileImage>();
    logstore::CLogstore1App store;
    if (!store.BfileToBuff(kLongSample, image->bytes)) return;
    copyFileImage(*image, *recording);
    ok = slots.build(*recording);
  }
};

const LongSample& longSample() {
  static const LongSample sample;
  return sample;
}

const std::vector<double> kHalfLives{1.5, 72.0};

#define NEED_SAMPLE(state)                                     \
  if (!longSample().ok) {                                      \
    state.SkipWithError("cannot load the long sample");        \
    return;                                                    \
  }

void Events(benchmark::State& state) {
  NEED_SAMPLE(state);
  const RainSlots rain = longSample().slots.view();
  StormEventOptions options;
  options.alarms.continuousMm = 150;
  options.alarms.hourlyMm = 30;
  for (auto _ : state) benchmark::DoNotOptimize(findStormEvents(rain, options));
  state.counters["slots"] = rain.size();
}

void MaximaByMonth(benchmark::State& state) {
  NEED_SAMPLE(state);
  const RainSlots rain = longSample().slots.view();
  for (auto _ : state) benchmark::DoNotOptimize(rainfallMaxima(rain, PeriodKind::Month));
}

void AllIndices(benchmark::State& state) {
  NEED_SAMPLE(state);
  const RainSlots rain = longSample().slots.view();
  for (auto _ : state) benchmark::DoNotOptimize(computeRainIndices(rain, kDefaultGapSlots, kHalfLives));
}

void EventsMaximaAndIndicesTogether(benchmark::State& state) {
  NEED_SAMPLE(state);
  const RainSlots rain = longSample().slots.view();
  for (auto _ : state) {
    benchmark::DoNotOptimize(findStormEvents(rain));
    benchmark::DoNotOptimize(rainfallMaxima(rain, PeriodKind::Month));
    benchmark::DoNotOptimize(computeRainIndices(rain, kDefaultGapSlots, kHalfLives));
  }
}

void IndicesCsvText(benchmark::State& state) {
  NEED_SAMPLE(state);
  const RainSlots rain = longSample().slots.view();
  const RainIndices indices = computeRainIndices(rain, kDefaultGapSlots, kHalfLives);
  for (auto _ : state) {
    std::string out;
    appendIndicesCsv(rain, indices, out);
    benchmark::DoNotOptimize(out.data());
  }
}

}  // namespace

BENCHMARK(Events)->Unit(benchmark::kMillisecond);
BENCHMARK(MaximaByMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(AllIndices)->Unit(benchmark::kMillisecond);
BENCHMARK(EventsMaximaAndIndicesTogether)->Unit(benchmark::kMillisecond);
BENCHMARK(IndicesCsvText)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
