#pragma once
// RainPeriod: the periods maxima are reported for, on the logger's clock
// (UTC+9, whatever the machine's zone): the whole series, calendar years
// and calendar months. A time that ends a window belongs to the period
// holding that end, with the program's 24:00 rule: an end exactly at
// midnight is the end (24:00) of the day before, so a window ending at
// 2025-01-01 00:00 belongs to December and to 2024, the period its last
// slot lies in.

#include <cstdint>
#include <string>

enum class PeriodKind { Whole, Year, Month };

struct RainPeriod {
  int year = 0;   // 0 for the whole series
  int month = 0;  // 1..12 for months, else 0

  bool operator==(const RainPeriod&) const = default;
  // "whole", "2024" or "2024-07".
  std::string label() const;
};

// The period of `kind` that holds the window end `end` (seconds since 1970).
RainPeriod periodOfEnd(int64_t end, PeriodKind kind);
