// Saving the whole long sample as a new HYY file, timed against copying
// the file (both end with the data on disk: the copy is synced too).
//   bench_range_save [runs, default 20]
#include "RangeSave.h"
#include "RecordingBuffer.h"
#include "SampleRecording.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

bool syncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const char* sample = HY_SAMPLES_DIR "/long-2024-0.5mm.hyy";
  const std::unique_ptr<RecordingBuffer> rec = loadSampleRecording(sample);
  if (!rec) return 1;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "hy-bench-range-save";
  std::filesystem::create_directories(dir);
  const std::string saved = (dir / "saved.hyy").string();
  const std::string copied = (dir / "copied.hyy").string();

  std::vector<double> save, copy;
  for (int i = 0; i < runs; ++i) {
    auto t0 = Clock::now();
    const RangeSavePlan plan = planRangeSave(*rec, wholeRecordingSpan(*rec));
    if (writeRangeFile(*rec, plan, saved) != RangeSaveStatus::Written) {
      std::fprintf(stderr, "range save failed\n");
      return 1;
    }
    save.push_back(msSince(t0));
    t0 = Clock::now();
    std::filesystem::copy_file(sample, copied, std::filesystem::copy_options::overwrite_existing);
    syncFile(copied);
    copy.push_back(msSince(t0));
  }
  const double s = median(save), c = median(copy);
  std::printf("whole-recording range save (%d samples): median %.2f ms, best %.2f ms\n", rec->sampleCount(), s,
              *std::min_element(save.begin(), save.end()));
  std::printf("file copy + fsync of the same file:      median %.2f ms, best %.2f ms\n", c,
              *std::min_element(copy.begin(), copy.end()));
  std::printf("ratio (save / copy, medians): %.2f\n", s / c);
  const bool same = std::filesystem::file_size(saved) == std::filesystem::file_size(sample);
  std::printf("saved file size equals the sample's: %s\n", same ? "yes" : "no");
  std::filesystem::remove_all(dir);
  return 0;
}
