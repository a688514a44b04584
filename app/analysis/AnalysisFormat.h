#pragma once
// The number and time rules of every analysis table, written once so that
// the window, the printed tables and the command-line tool agree byte for
// byte:
//   rain, totals, continuous rainfall, maxima   one decimal   ("12.5")
//   effective rainfall, soil water index         two decimals  ("3.97")
//   mean intensity                               two decimals
//   times   ISO 8601 on the logger's clock with seconds and the offset:
//           "2024-07-01T09:10:00+09:00"
// A value that cannot be computed (NaN) is written as nothing, never 0.
// Appenders add to a byte string; nothing here allocates per call beyond it.

#include <cstdint>
#include <string>

void appendMm1(std::string& out, double mm);
void appendMm2(std::string& out, double mm);
void appendIsoTime(std::string& out, int64_t t);

inline std::string mm1Text(double mm) {
  std::string s;
  appendMm1(s, mm);
  return s;
}
inline std::string mm2Text(double mm) {
  std::string s;
  appendMm2(s, mm);
  return s;
}
inline std::string isoTimeText(int64_t t) {
  std::string s;
  appendIsoTime(s, t);
  return s;
}
// A half-life as the indices' column names write it: 1.5 -> "1.5", 72 -> "72".
std::string hoursText(double hours);
