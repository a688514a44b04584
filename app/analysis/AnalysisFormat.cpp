#include "AnalysisFormat.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {
constexpr int64_t kUtcOffsetSeconds = 9 * 3600;

// std::to_chars rounds the exact binary value as printf("%.Nf") does, at a
// fraction of its cost (the indices table writes 300,000 numbers).
void appendFixed(std::string& out, double mm, int decimals) {
  if (std::isnan(mm)) return;
  char text[48];
  const auto result = std::to_chars(text, text + sizeof text, mm, std::chars_format::fixed, decimals);
  if (result.ec == std::errc()) out.append(text, result.ptr);
}

void appendDigits(std::string& out, unsigned value, int width) {
  char text[12];
  for (int i = width - 1; i >= 0; --i) {
    text[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  out.append(text, static_cast<size_t>(width));
}
}  // namespace

void appendMm1(std::string& out, double mm) { appendFixed(out, mm, 1); }
void appendMm2(std::string& out, double mm) { appendFixed(out, mm, 2); }

void appendIsoTime(std::string& out, int64_t t) {
  using namespace std::chrono;
  const sys_seconds local{seconds{t + kUtcOffsetSeconds}};
  const auto day = floor<days>(local);
  const year_month_day date{day};
  const auto secondOfDay = static_cast<unsigned>((local - day).count());
  const int year = static_cast<int>(date.year());
  if (year < 0 || year > 9999) {
    out += "?";
    return;
  }
  appendDigits(out, static_cast<unsigned>(year), 4);
  out += '-';
  appendDigits(out, static_cast<unsigned>(date.month()), 2);
  out += '-';
  appendDigits(out, static_cast<unsigned>(date.day()), 2);
  out += 'T';
  appendDigits(out, secondOfDay / 3600, 2);
  out += ':';
  appendDigits(out, secondOfDay / 60 % 60, 2);
  out += ':';
  appendDigits(out, secondOfDay % 60, 2);
  out += "+09:00";
}

std::string hoursText(double hours) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", hours);
  return text;
}
