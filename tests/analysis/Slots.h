#pragma once
// Ten-minute series written out in the tests: rain per slot from a local
// start time (UTC+9), with runs of dry slots and missing slots.

#include "RainSlots.h"

#include <chrono>
#include <cstdint>
#include <vector>

// Seconds since 1970 of a local time (UTC+9).
inline int64_t localTime(int y, unsigned m, unsigned d, int h = 0, int min = 0) {
  using namespace std::chrono;
  const sys_days date{year{y} / month{m} / day{d}};
  return duration_cast<seconds>(date.time_since_epoch()).count() + (h - 9) * 3600 + min * 60;
}

struct SlotsBuilder {
  int64_t start = localTime(2024, 7, 1);
  std::vector<double> mm;

  SlotsBuilder& rain(std::initializer_list<double> values) {
    mm.insert(mm.end(), values);
    return *this;
  }
  SlotsBuilder& dry(int n) {
    mm.insert(mm.end(), static_cast<size_t>(n), 0.0);
    return *this;
  }
  SlotsBuilder& missing(int n) {
    mm.insert(mm.end(), static_cast<size_t>(n), kMissingMm);
    return *this;
  }
  SlotsBuilder& steady(int n, double v) {
    mm.insert(mm.end(), static_cast<size_t>(n), v);
    return *this;
  }
  RainSlots slots() const { return {start, mm}; }
  // End of slot k.
  int64_t end(int k) const { return start + 600LL * (k + 1); }
};
