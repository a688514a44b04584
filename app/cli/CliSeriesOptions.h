#pragma once
// CliSeriesOptions: the --interval, --from, --to and --vmax options that
// chart and print share, read once and applied to each recording: which
// series, which of its buckets are shown, and the top of the axis.

#include "CliParser.h"
#include "CliRecording.h"
#include "IntervalMode.h"

#include <cstdint>
#include <optional>
#include <string>

class CliSeriesOptions {
 public:
  // Adds the four options to cli.
  static void add(CliParser& cli);

  // Reads them after parsing. Returns -1 to go on, otherwise the exit code
  // after the message (wrong interval: usage; a date that does not exist:
  // bad input).
  int read(const CliParser& cli);

  // Rebuilds file's display series for the interval, shows the range and
  // sets the axis top (the window's default for the interval unless given).
  // Returns -1 to go on, otherwise the exit code after the message naming
  // the file (the range lies outside the recording, or the recording
  // cannot be bucketed).
  int apply(CliRecording& file) const;

  IntervalMode interval() const { return m_interval; }

 private:
  IntervalMode m_interval = IntervalMode::Hourly;
  std::optional<int64_t> m_from;
  std::optional<int64_t> m_to;
  std::optional<int> m_vmax;
};

// Reads --from and --to (when given) as every subcommand that takes them
// does. Returns -1 to go on, otherwise the exit code after the message (a
// date that does not exist: bad input).
int readTimeRange(const CliParser& cli, std::optional<int64_t>& from, std::optional<int64_t>& to);

// The program's message for a date that does not exist.
extern const char* const kBadDateText;     // "日付・時刻に誤りがあります。"
extern const char* const kBadStartText;    // "開始時間に誤りがあります。"
extern const char* const kBadEndText;      // "終了時間に誤りがあります。"
extern const char* const kBadValueText;    // "入力した値に誤りがあります。" (the table dialog)
