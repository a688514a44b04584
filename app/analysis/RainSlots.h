#pragma once
// RainSlots: the ten-minute rain the analysis reads, as a view over values
// someone else owns. Slot k covers [start + 600k, start + 600(k + 1)); its
// value is the rain in millimetres, or NaN when the slot is missing (a gap
// in an archive: unknown, never zero rain). Times are seconds since 1970;
// the analysis reports a slot by its end.
//
// Owns nothing and checks nothing: the values must outlive the view.

#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

inline constexpr int kSlotSeconds = 600;
inline constexpr int kSlotsPerHour = 6;
// Sums that differ by less than this count as equal (ties take the first).
// The rain comes in tenths of a millimetre; this only absorbs the rounding
// of binary sums such as 0.1 + 0.2.
inline constexpr double kEqualMm = 1e-9;

inline constexpr double kMissingMm = std::numeric_limits<double>::quiet_NaN();
inline bool isMissing(double mm) { return std::isnan(mm); }
// A wet slot holds more than 0 mm; a missing slot is neither wet nor dry.
inline bool isWet(double mm) { return mm > 0.0; }

struct RainSlots {
  int64_t start = 0;
  std::span<const double> mm;

  int size() const { return static_cast<int>(mm.size()); }
  int64_t slotStart(int k) const { return start + int64_t{kSlotSeconds} * k; }
  int64_t slotEnd(int k) const { return start + int64_t{kSlotSeconds} * (k + 1); }
};
