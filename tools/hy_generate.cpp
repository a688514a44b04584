// hy-generate: writes a realistic rain recording as a data file.
//
//   hy-generate --out FILE [--start "YYYY-MM-DD HH:MM[:SS]"] [--samples N]
//               [--step 0.5|0.1] [--seed N] [--name TEXT] [--storm-at INDEX]
//
// Times are local (UTC+9).
#include "DateFields.h"
#include "RainGenerator.h"
#include "ShiftJis.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: hy-generate --out FILE [--start \"YYYY-MM-DD HH:MM[:SS]\"] [--samples N]\n"
               "                   [--step 0.5|0.1] [--seed N] [--name TEXT] [--storm-at INDEX]\n");
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
    } else {
      return usage();
    }
  }
  if (out.empty() || options.sampleCount < 0) return usage();
  if (!writeRecording(out, utf8ToShiftJis(name), options, generateRain(options))) {
    std::fprintf(stderr, "hy-generate: cannot write %s (at most 59872 samples)\n", out.c_str());
    return 1;
  }
  return 0;
}
