#include "AnalysisFormat.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {
constexpr int64_t kUtcOffsetSeconds = 9 * 3600;

void appendFixed(std::string& out, double mm, const char* format) {
  if (std::isnan(mm)) return;
  char text[48];
  const int n = std::snprintf(text, sizeof text, format, mm);
  if (n > 0) out.append(text, static_cast<size_t>(n));
}
}  // namespace

void appendMm1(std::string& out, double mm) { appendFixed(out, mm, "%.1f"); }
void appendMm2(std::string& out, double mm) { appendFixed(out, mm, "%.2f"); }

void appendIsoTime(std::string& out, int64_t t) {
  using namespace std::chrono;
  const sys_seconds local{seconds{t + kUtcOffsetSeconds}};
  const auto day = floor<days>(local);
  const year_month_day date{day};
  const hh_mm_ss clock{local - day};
  char text[40];
  const int n = std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d+09:00", static_cast<int>(date.year()),
                              static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                              static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                              static_cast<int>(clock.seconds().count()));
  if (n > 0) out.append(text, static_cast<size_t>(n));
}

std::string hoursText(double hours) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", hours);
  return text;
}
