// The bytes of a data file through everything that reads one: loading into
// the file image, the recording copy, the four series, the chart of each and
// the text copy. The image stays untouched when a load is refused; a loaded
// file's series never hold more rain than its samples, and its text copy has
// one line per sample.
#include "CLogstore1App.h"
#include "ChartGeometry.h"
#include "FileImage.h"
#include "FuzzSupport.h"
#include "RecordingBuffer.h"
#include "SeriesForMode.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

void chartOf(const DisplaySeries& series) {
  ChartInput in;
  in.left = 0;
  in.top = 0;
  in.right = 604;
  in.bottom = 400;
  in.series = &series;
  ChartScene scene = ChartGeometry::compute(in);
  FUZZ_CHECK(scene.labels.size() < 100000);
  in.lineEveryBar = true;
  in.right = 37;
  ChartGeometry::compute(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::useProgramClock();
  const std::string path = fuzz::scratchFolder() + "/in.hyy";
  if (!fuzz::writeWholeFile(path, data, size)) return 0;

  static auto image = std::make_unique<FileImage>();
  std::memset(image->bytes, 0xA5, sizeof image->bytes);
  logstore::CLogstore1App store;
  if (store.BfileToBuff(path.c_str(), image->bytes) == 0) {
    for (unsigned char b : image->bytes) FUZZ_CHECK(b == 0xA5);
    return 0;
  }

  static auto recording = std::make_unique<RecordingBuffer>();
  copyFileImage(*image, *recording);
  const int n = recording->sampleCount();
  FUZZ_CHECK(n >= 0 && n <= logstore::kMaxSamples);
  double allRain = 0;
  for (int k = 0; k < n; ++k) allRain += recording->sampleMm(k);

  static auto shown = std::make_unique<DisplaySeries>();
  for (IntervalMode mode : {IntervalMode::Hourly, IntervalMode::Daily, IntervalMode::TenMinute,
                            IntervalMode::Monthly}) {
    std::unique_ptr<RainSeries> series = makeSeriesFor(mode);
    if (series->build(*recording) == 0) {
      FUZZ_CHECK(series->valueCount == 0);
      continue;
    }
    FUZZ_CHECK(series->valueCount >= 1 && series->valueCount <= series->capacity);
    double sum = 0;
    for (int j = 0; j < series->valueCount; ++j) sum += series->values[j];
    FUZZ_CHECK(sum <= allRain * (1 + 1e-9) + 1e-6);

    shown->setValues(series->values.get(), series->valueCount);
    shown->intervalMode = mode;
    shown->seriesStart = series->startTime;
    shown->verticalMax = 1 + static_cast<int>(size % 800);
    shown->firstShownIndex = 0;
    shown->visibleCount = shown->valueCount;
    chartOf(*shown);
    shown->firstShownIndex = shown->valueCount / 3;
    shown->visibleCount = shown->valueCount - shown->firstShownIndex;
    shown->cursorA = 1;
    shown->cursorB = shown->visibleCount;
    chartOf(*shown);
    shown->cursorA = shown->cursorB = 0;
  }

  const std::string text = fuzz::scratchFolder() + "/out.txt";
  if (store.WriteText(path.c_str(), text.c_str(), ",") == 1) {
    std::ifstream in(text, std::ios::binary);
    const std::string lines{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    size_t count = 0;
    for (char c : lines) count += c == '\n';
    FUZZ_CHECK(count == static_cast<size_t>(n));
  }
  return 0;
}
