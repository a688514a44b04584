// The text export on any recording and any request: it never reads a series
// past its end, writes exactly the lines it reports, each one
// "\"<label>\"<sep><mm>\n" in plain ASCII.
#include "FuzzSupport.h"
#include "RecordingBuffer.h"
#include "SeriesForMode.h"
#include "TextExport.h"

#include <cstring>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::useProgramClock();
  fuzz::Input in(data, size);
  static auto recording = std::make_unique<RecordingBuffer>();
  std::memset(recording.get(), 0, sizeof(RecordingBuffer));
  recording->startTime = static_cast<int32_t>(in.u32());
  recording->versionWord = in.u16();
  const bool oddInterval = (in.byte() & 7) == 0;
  std::memcpy(recording->intervalText, oddInterval ? "00300" : "00600", 5);
  const int n = in.u16() % 3000;
  char count[8];
  std::snprintf(count, sizeof count, "%05d", n);
  std::memcpy(recording->countText, count, 5);
  for (int k = 0; k < n; ++k) recording->samples[k] = in.u16();

  ExportRequest request;
  request.interval = static_cast<IntervalMode>(in.byte() % 4);
  request.startIndex = static_cast<int>(in.u32()) % 5000;
  request.count = static_cast<int>(in.u32()) % 5000;
  static const char kSeparators[] = {',', '\t', ' ', ';'};
  request.separator = kSeparators[in.byte() % 4];
  std::unique_ptr<RainSeries> series = makeSeriesFor(request.interval);
  const bool built = series->build(*recording) == 1;
  request.startTime = (in.byte() & 1) ? static_cast<int64_t>(static_cast<int32_t>(in.u32())) : series->startTime;

  std::string out;
  const ExportStatus status = exportSeriesText(*recording, request, out);
  FUZZ_CHECK((status == ExportStatus::SeriesRefused) == !built);
  if (!built) {
    FUZZ_CHECK(out.empty());
    return 0;
  }
  std::string direct;
  const int lines = appendExportLines(*series, request, direct);
  FUZZ_CHECK(direct == out);
  FUZZ_CHECK(lines >= 0 && lines <= series->valueCount);
  size_t newlines = 0;
  for (char c : out) {
    FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    newlines += c == '\n';
  }
  FUZZ_CHECK(newlines == static_cast<size_t>(lines));
  FUZZ_CHECK(out.empty() || (out.front() == '"' && out.back() == '\n'));
  return 0;
}
