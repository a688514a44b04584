// The station archive: importing five years of ten-minute data (five full
// recordings of 59,872 samples, each overlapping the one before by a day,
// as successive downloads do) into a new archive; reading five years of a
// station's slots back (what the maxima and events work on); and bucketing
// one year of slots into the hourly series the export writes.
#include "RainGenerator.h"
#include "RecordingBuffer.h"
#include "Sha256.h"
#include "SlotSeries.h"
#include "StationArchive.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSamples = 59872;
constexpr int kOverlap = 144;
constexpr int kRecordings = 5;
const int64_t kStart = 1704034800;  // 2024-01-01 00:00 UTC+9

std::vector<std::unique_ptr<RecordingBuffer>> makeRecordings() {
  RainGeneratorOptions options;
  options.startTime = static_cast<int32_t>(kStart);
  options.sampleCount = kRecordings * kSamples;
  options.seed = 2024;
  const std::vector<uint16_t> rain = generateRain(options);
  std::vector<std::unique_ptr<RecordingBuffer>> out;
  for (int k = 0; k < kRecordings; ++k) {
    const int first = k * (kSamples - kOverlap);
    auto rec = std::make_unique<RecordingBuffer>();
    std::memset(rec.get(), 0, sizeof(RecordingBuffer));
    std::memcpy(rec->dataName, "BENCH", 5);
    rec->startTime = static_cast<int32_t>(kStart + 600LL * first);
    std::memcpy(rec->intervalText, "00600", 5);
    std::memcpy(rec->countText, "59872", 5);
    rec->versionWord = 0x1001;
    std::memcpy(rec->samples, rain.data() + first, sizeof(uint16_t) * kSamples);
    out.push_back(std::move(rec));
  }
  return out;
}

std::string digestOf(const RecordingBuffer& rec) {
  Sha256 sha;
  sha.update(&rec, sizeof rec);
  return sha.finishHex();
}

std::string tempArchive() {
  return (std::filesystem::temp_directory_path() / ("hy-bench-" + std::to_string(getpid()) + ".hyarc")).string();
}

void removeArchive(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
}

std::unique_ptr<StationArchive> filledArchive(const std::string& path,
                                              const std::vector<std::unique_ptr<RecordingBuffer>>& recs) {
  removeArchive(path);
  std::string error;
  auto archive = StationArchive::open(path, ArchiveAccess::ReadWrite, error);
  for (const auto& rec : recs) {
    ImportRequest r;
    r.recording = rec.get();
    r.sourcePath = "bench.hyy";
    r.sha256 = digestOf(*rec);
    r.importTime = std::time(nullptr);
    if (!archive || archive->importRecording(r).status != ImportStatus::Imported) return nullptr;
  }
  return archive;
}

// A new archive file, five recordings imported one transaction each.
void ImportFiveFullRecordings(benchmark::State& state) {
  const auto recs = makeRecordings();
  const std::string path = tempArchive();
  for (auto _ : state) {
    auto archive = filledArchive(path, recs);
    if (!archive) state.SkipWithError("import failed");
    archive.reset();  // closing checkpoints the log into the file
  }
  removeArchive(path);
  state.counters["slots"] = kRecordings * kSamples - (kRecordings - 1) * kOverlap;
}

// Five years of slots (262,800) of the station, with missing ones marked,
// as millimetres.
void QueryFiveYears(benchmark::State& state) {
  const auto recs = makeRecordings();
  const std::string path = tempArchive();
  filledArchive(path, recs).reset();
  std::string error;
  auto archive = StationArchive::open(path, ArchiveAccess::ReadOnly, error);
  const auto station = archive ? archive->station("BENCH", error) : std::nullopt;
  if (!station) {
    state.SkipWithError("no archive");
    return;
  }
  for (auto _ : state) {
    const auto run = archive->slotRun(station->id, kStart, kStart + 600LL * 262800, error);
    double sum = 0;
    for (size_t i = 0; i < run->tenths.size(); ++i)
      if (!run->isMissing(i)) sum += run->mm(i);
    benchmark::DoNotOptimize(sum);
  }
  archive.reset();
  removeArchive(path);
}

// One year of slots into hourly values with their missing counts.
void HourlyYearFromSlots(benchmark::State& state) {
  SlotRun run;
  run.start = kStart;
  run.tenths.assign(52704, 3);
  for (auto _ : state) benchmark::DoNotOptimize(buildSlotSeries(IntervalMode::Hourly, run)->values[0]);
}

}  // namespace

BENCHMARK(ImportFiveFullRecordings)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(QueryFiveYears)->Unit(benchmark::kMillisecond);
BENCHMARK(HourlyYearFromSlots)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
