#pragma once
// The four ways a recording is bucketed for display. The numbers are stored
// and compared by the document, the view and the reports.

#include <cstdint>

enum class IntervalMode : int { Hourly = 0, Daily = 1, TenMinute = 2, Monthly = 3 };

// The length of one bar in seconds; 0 for months, whose length varies.
constexpr int64_t barSeconds(IntervalMode mode) {
  switch (mode) {
    case IntervalMode::Hourly: return 3600;
    case IntervalMode::Daily: return 86400;
    case IntervalMode::TenMinute: return 600;
    case IntervalMode::Monthly: return 0;
  }
  return 0;
}
