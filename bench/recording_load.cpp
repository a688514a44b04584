// Loading the long sample recording and building all four series: what the
// program does each time a recording is opened.
#include "CLogstore1App.h"
#include "DailySeries.h"
#include "HourlySeries.h"
#include "MonthlySeries.h"
#include "RecordingBuffer.h"
#include "TenMinuteSeries.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

const char* kLongSample = HY_SAMPLES_DIR "/long-2024-0.5mm.hyy";

void LoadAndCopy(benchmark::State& state) {
  auto image = std::make_unique<FileImage>();
  auto rec = std::make_unique<RecordingBuffer>();
  for (auto _ : state) {
    logstore::CLogstore1App store;
    if (!store.BfileToBuff(kLongSample, image->bytes)) {
      state.SkipWithError("cannot load the long sample");
      return;
    }
    copyFileImage(*image, *rec);
    benchmark::DoNotOptimize(rec->samples[0]);
  }
}

void BuildFourSeries(benchmark::State& state) {
  auto image = std::make_unique<FileImage>();
  auto rec = std::make_unique<RecordingBuffer>();
  logstore::CLogstore1App store;
  if (!store.BfileToBuff(kLongSample, image->bytes)) {
    state.SkipWithError("cannot load the long sample");
    return;
  }
  copyFileImage(*image, *rec);
  for (auto _ : state) {
    TenMinuteSeries t;
    HourlySeries h;
    DailySeries d;
    MonthlySeries m;
    benchmark::DoNotOptimize(t.build(*rec) + h.build(*rec) + d.build(*rec) + m.build(*rec));
  }
}

void LoadCopyAndBuild(benchmark::State& state) {
  auto image = std::make_unique<FileImage>();
  auto rec = std::make_unique<RecordingBuffer>();
  for (auto _ : state) {
    logstore::CLogstore1App store;
    if (!store.BfileToBuff(kLongSample, image->bytes)) {
      state.SkipWithError("cannot load the long sample");
      return;
    }
    copyFileImage(*image, *rec);
    TenMinuteSeries t;
    HourlySeries h;
    DailySeries d;
    MonthlySeries m;
    benchmark::DoNotOptimize(t.build(*rec) + h.build(*rec) + d.build(*rec) + m.build(*rec));
  }
}

}  // namespace

BENCHMARK(LoadAndCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildFourSeries)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadCopyAndBuild)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
