// The text export of the long sample at ten minutes (59,001 lines), timed
// against a short gawk script that writes the same bytes from the same
// values; the two files are compared with cmp.
//   bench_export_text [runs, default 20]
// Prints the best and median times of both and the speed ratio. Without
// gawk the comparison is skipped and only the export is timed.
#include "RecordingBuffer.h"
#include "SampleRecording.h"
#include "TenMinuteSeries.h"
#include "TextExport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

struct Figures {
  double best;
  double median;
};

Figures summarise(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return {v.front(), v[v.size() / 2]};
}

// Labels each value with the end of its slot; the slot that ends at
// midnight keeps hour 0 on the new date, as the export writes it.
const char* const kAwkScript =
    "{ t = start + NR * 600;"
    " printf \"\\\"%s %2d:%s\\\",%.1f\\n\", strftime(\"%Y/%m/%d\", t), strftime(\"%H\", t) + 0,"
    " strftime(\"%M\", t), $1 }";
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const std::unique_ptr<RecordingBuffer> rec = loadSampleRecording(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy");
  if (!rec) return 1;
  TenMinuteSeries series;
  series.build(*rec);
  const ExportRequest whole{IntervalMode::TenMinute, series.startTime, 0, series.valueCount, ','};

  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "hy-bench-export";
  std::filesystem::create_directories(dir);
  const std::string ours = (dir / "export.txt").string();
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = Clock::now();
    if (writeSeriesTextFile(*rec, whole, ours) != ExportStatus::Written) {
      std::fprintf(stderr, "export failed\n");
      return 1;
    }
    times.push_back(msSince(t0));
  }
  const Figures exportTimes = summarise(times);
  std::printf("export, 10 min, %d lines (series build + lines + file): best %.2f ms, median %.2f ms\n",
              series.valueCount, exportTimes.best, exportTimes.median);
  times.clear();
  for (int i = 0; i < runs; ++i) {
    std::string bytes;
    const auto t0 = Clock::now();
    exportSeriesText(*rec, whole, bytes);
    times.push_back(msSince(t0));
  }
  const Figures memoryTimes = summarise(times);
  std::printf("  of which series build + lines into memory: best %.2f ms, median %.2f ms\n", memoryTimes.best,
              memoryTimes.median);

  if (std::system("command -v gawk >/dev/null 2>&1") != 0) {
    std::printf("gawk not installed: comparison skipped\n");
    return 0;
  }
  // gawk gets the values already summed; it only labels and formats them.
  const std::string values = (dir / "values.txt").string();
  {
    std::ofstream out(values);
    char line[32];
    for (int i = 0; i < series.valueCount; ++i) {
      std::snprintf(line, sizeof line, "%.17g\n", series.values[i]);
      out << line;
    }
  }
  const std::string theirs = (dir / "gawk.txt").string();
  const std::string command = "TZ=JST-9 LC_ALL=C gawk -v start=" + std::to_string(series.startTime) + " '" +
                              kAwkScript + "' " + values + " > " + theirs;
  times.clear();
  for (int i = 0; i < std::max(3, runs / 4); ++i) {
    const auto t0 = Clock::now();
    if (std::system(command.c_str()) != 0) {
      std::fprintf(stderr, "gawk failed\n");
      return 1;
    }
    times.push_back(msSince(t0));
  }
  const Figures awkTimes = summarise(times);
  std::printf("gawk with strftime, same lines: best %.2f ms, median %.2f ms\n", awkTimes.best, awkTimes.median);
  const int same = std::system(("cmp " + ours + " " + theirs).c_str());
  std::printf("cmp: %s\n", same == 0 ? "identical" : "DIFFERENT");
  std::printf("ratio (gawk best / export best): %.1f x\n", awkTimes.best / exportTimes.best);
  std::filesystem::remove_all(dir);
  return same == 0 ? 0 : 1;
}
