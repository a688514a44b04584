// hy-generate: writes a realistic rain recording as a data file.
//
//   hy-generate --out FILE [--start "YYYY-MM-DD HH:MM[:SS]"] [--samples N]
//               [--step 0.5|0.1] [--seed N] [--name TEXT] [--storm-at INDEX]
//               [--skip N]
//
// Times are local (UTC+9). --skip leaves out the first N samples of the
// generated rain and starts the file N x 600 s later: recordings of one seed
// with different --skip and --samples overlap with the same rain, as
// successive downloads of one logger do.
#include "DateFields.h"
#include "RainGenerator.h"
#include "ShiftJis.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: hy-generate --out FILE [--start \"YYYY-MM-DD HH:MM[:SS]\"] [--samples N]\n"
               "                   [--step 0.5|0.1] [--seed N] [--name TEXT] [--storm-at INDEX] [--skip N]\n");
  return 2;
}

// Refuses dates that do not exist and times a data file's 32-bit start
// cannot hold (before 1970, after January 2038).
bool parseStart(const char* text, int32_t* out) {
  CalendarFields f;
  int n = std::sscanf(text, "%d-%d-%d %d:%d:%d", &f.year, &f.month, &f.day, &f.hour, &f.minute, &f.second);
  if (n < 5) return false;
  const std::optional<int32_t> t = validLocalTime(f);
  if (!t) return false;
  *out = *t;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  RainGeneratorOptions options;
  parseStart("2026-06-01 00:00", &options.startTime);
  options.sampleCount = 1008;
  std::string out;
  std::string name = "SAMPLE";
  int skip = 0;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) return usage();
    const char* v = argv[++i];
    if (a == "--out") {
      out = v;
    } else if (a == "--start") {
      if (!parseStart(v, &options.startTime)) {
        std::fprintf(stderr, "hy-generate: bad start time \"%s\"\n", v);
        return 2;
      }
    } else if (a == "--samples") {
      options.sampleCount = std::atoi(v);
    } else if (a == "--step") {
      if (std::strcmp(v, "0.1") == 0) {
        options.tenthMillimetre = true;
      } else if (std::strcmp(v, "0.5") != 0) {
        return usage();
      }
    } else if (a == "--seed") {
      options.seed = static_cast<uint32_t>(std::strtoul(v, nullptr, 10));
    } else if (a == "--name") {
      name = v;
    } else if (a == "--storm-at") {
      options.stormAt = std::atoi(v);
    } else if (a == "--skip") {
      skip = std::atoi(v);
    } else {
      return usage();
    }
  }
  if (out.empty() || options.sampleCount < 0 || skip < 0) return usage();
  const int samples = options.sampleCount;
  options.sampleCount += skip;
  std::vector<uint16_t> rain = generateRain(options);
  rain.erase(rain.begin(), rain.begin() + skip);
  options.sampleCount = samples;
  const int64_t start = int64_t(options.startTime) + 600LL * skip;
  if (start > INT32_MAX) {
    std::fprintf(stderr, "hy-generate: --skip moves the start past what a data file holds\n");
    return 2;
  }
  options.startTime = static_cast<int32_t>(start);
  if (!writeRecording(out, utf8ToShiftJis(name), options, rain)) {
    std::fprintf(stderr, "hy-generate: cannot write %s (at most 59872 samples)\n", out.c_str());
    return 1;
  }
  return 0;
}
