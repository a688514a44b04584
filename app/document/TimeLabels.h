#pragma once
// The end-of-interval label of the text export and the data list, with the
// rule that an interval ending at midnight is written as 24 o'clock of the
// day that ends. Plain functions over local time (UTC+9); they append to a
// byte string, so the window and the command-line tool write the same bytes.

#include <cstdint>
#include <ctime>
#include <string>

// Local calendar fields of many nearby times, as a long export needs them:
// the local-time conversion runs once per local day and the fields of the
// other times of that day are derived from it. A day whose offset from UTC
// changes within it is converted time by time. One object per run of labels.
class LocalDayClock {
 public:
  // false when t cannot be converted to local time.
  bool fields(int64_t t, struct tm& out);

 private:
  int64_t m_dayStart = 0;
  int64_t m_dayEnd = 0;  // empty until a day is known
  struct tm m_midnight {};
};

// Appends the label of time t: "?" when t cannot be converted to local time.
//  mode 0: "%4d%c%02d%c%02d %2d:%02d". At local hour 0 (whatever the minutes)
//          the time one hour earlier is written instead, with hour 24:
//          00:00 -> 24:00 and 00:10 -> 24:10 of the previous date.
//  mode 1: "%4d%c%02d%c%02d ～%2d:%02d". Only 00:00 itself becomes 24:00 of
//          the previous date.
void FormatEndTime(int64_t t, std::string& out, char separator, int mode);
void FormatEndTime(int64_t t, std::string& out, char separator, int mode, LocalDayClock& clock);

// Appends "%4d/%02d/%02d %2d:%02d" of t as it stands (hour 0 stays 0): the
// ten-minute label of the export.
void appendPlainTimeLabel(int64_t t, std::string& out, LocalDayClock& clock);

// Appends the month label "%d/0%d" (January to September) or "%d/%d".
void appendMonthLabel(int year, int month, std::string& out);
