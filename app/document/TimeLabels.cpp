#include "TimeLabels.h"

#include <cstdio>
#include <ctime>

namespace {
bool localFields(int64_t t, struct tm& fields) {
  const time_t tt = static_cast<time_t>(t);
  return localtime_r(&tt, &fields) != nullptr;
}

void appendTwo(std::string& out, int v, char pad) {
  out.push_back(v >= 10 ? static_cast<char>('0' + (v / 10) % 10) : pad);
  out.push_back(static_cast<char>('0' + v % 10));
}

// "%4d" for a year of four digits, which every convertible 32-bit time has;
// anything else goes through the general path.
void appendYear(std::string& out, int year) {
  if (year >= 1000 && year <= 9999) {
    out.push_back(static_cast<char>('0' + year / 1000));
    out.push_back(static_cast<char>('0' + year / 100 % 10));
    out.push_back(static_cast<char>('0' + year / 10 % 10));
    out.push_back(static_cast<char>('0' + year % 10));
    return;
  }
  char text[16];
  const int n = std::snprintf(text, sizeof text, "%4d", year);
  out.append(text, static_cast<size_t>(n));
}

void appendLabel(std::string& out, const struct tm& f, char sep, const char* beforeHour, int hour) {
  appendYear(out, f.tm_year + 1900);
  out.push_back(sep);
  appendTwo(out, f.tm_mon + 1, '0');
  out.push_back(sep);
  appendTwo(out, f.tm_mday, '0');
  out.append(beforeHour);
  appendTwo(out, hour, ' ');
  out.push_back(':');
  appendTwo(out, f.tm_min, '0');
}
}  // namespace

bool LocalDayClock::fields(int64_t t, struct tm& out) {
  if (t >= m_dayStart && t < m_dayEnd) {
    const int64_t s = t - m_dayStart;
    out = m_midnight;
    out.tm_hour = static_cast<int>(s / 3600);
    out.tm_min = static_cast<int>(s / 60 % 60);
    out.tm_sec = static_cast<int>(s % 60);
    return true;
  }
  if (!localFields(t, out)) return false;
  const int64_t midnight = t - (out.tm_hour * 3600 + out.tm_min * 60 + out.tm_sec);
  struct tm start {};
  struct tm next {};
  // Only a plain 24-hour day with one offset throughout is remembered.
  if (localFields(midnight, start) && localFields(midnight + 86400, next) && start.tm_gmtoff == next.tm_gmtoff &&
      start.tm_gmtoff == out.tm_gmtoff && start.tm_hour == 0 && start.tm_min == 0 && start.tm_sec == 0 &&
      next.tm_hour == 0 && next.tm_min == 0 && next.tm_sec == 0 && start.tm_mday == out.tm_mday) {
    m_dayStart = midnight;
    m_dayEnd = midnight + 86400;
    m_midnight = start;
  }
  return true;
}

void FormatEndTime(int64_t t, std::string& out, char separator, int mode) {
  LocalDayClock clock;
  FormatEndTime(t, out, separator, mode, clock);
}

void FormatEndTime(int64_t t, std::string& out, char separator, int mode, LocalDayClock& clock) {
  struct tm f {};
  if (!clock.fields(t, f)) {
    out.push_back('?');
    return;
  }
  const char* beforeHour = mode == 1 ? " ～" : " ";
  const bool midnightRule = mode == 1 ? (f.tm_hour == 0 && f.tm_min == 0) : f.tm_hour == 0;
  if (midnightRule) {
    struct tm earlier {};
    if (!clock.fields(t - 3600, earlier)) {
      out.push_back('?');
      return;
    }
    appendLabel(out, earlier, separator, beforeHour, 24);
    return;
  }
  appendLabel(out, f, separator, beforeHour, f.tm_hour);
}

void appendPlainTimeLabel(int64_t t, std::string& out, LocalDayClock& clock) {
  struct tm f {};
  if (!clock.fields(t, f)) {
    out.push_back('?');
    return;
  }
  appendLabel(out, f, '/', " ", f.tm_hour);
}

void appendMonthLabel(int year, int month, std::string& out) {
  char text[24];
  const int n = std::snprintf(text, sizeof text, month < 10 ? "%d/0%d" : "%d/%d", year, month);
  out.append(text, static_cast<size_t>(n));
}
