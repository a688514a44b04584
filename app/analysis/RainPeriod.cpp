#include "RainPeriod.h"

#include <chrono>
#include <cstdio>

namespace {
constexpr int64_t kUtcOffsetSeconds = 9 * 3600;
}

std::string RainPeriod::label() const {
  if (year == 0) return "whole";
  char text[16];
  if (month == 0) std::snprintf(text, sizeof text, "%04d", year);
  else std::snprintf(text, sizeof text, "%04d-%02d", year, month);
  return text;
}

RainPeriod periodOfEnd(int64_t end, PeriodKind kind) {
  if (kind == PeriodKind::Whole) return {};
  using namespace std::chrono;
  // One second before the end: the last second of the window's last slot.
  const sys_seconds local{seconds{end - 1 + kUtcOffsetSeconds}};
  const year_month_day date{floor<days>(local)};
  RainPeriod p;
  p.year = static_cast<int>(date.year());
  if (kind == PeriodKind::Month) p.month = static_cast<int>(static_cast<unsigned>(date.month()));
  return p;
}
