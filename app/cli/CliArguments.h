#pragma once
// The values the subcommands take on their command lines, read strictly:
// interval names, separators, times, sizes and output-name patterns. Plain
// code; nothing here prints.

#include "IntervalMode.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// "10min", "hour", "day", "month".
std::optional<IntervalMode> parseInterval(const std::string& text);
const char* intervalName(IntervalMode mode);

// "comma", "tab", "space", "semicolon" (or the character itself).
std::optional<char> parseSeparator(const std::string& text);

// A local time (UTC+9): "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or
// "YYYY-MM-DDTHH:MM", with "-" or "/" between the date's fields. Every
// field is checked as the dialogs check typed dates: no 30 February, no
// hour 24, nothing a recording's time cannot hold.
std::optional<int32_t> parseTimeArgument(const std::string& text);

// "WxH" with both between 16 and 20000 pixels.
struct PixelSize {
  int width = 0;
  int height = 0;
};
std::optional<PixelSize> parsePixelSize(const std::string& text);

// A whole number in [low, high], digits only.
std::optional<int> parseBoundedInt(const std::string& text, int low, int high);

// The period of a rainfall sheet: "YYYY-MM" or "YYYY/MM" for a month
// (monthly), "YYYY" for a year (month 1). Only the shape is checked here; the
// sheet's own date check follows.
struct TablePeriod {
  int year = 0;
  int month = 1;
};
std::optional<TablePeriod> parseTablePeriod(const std::string& text, bool monthly);

// Output names from a pattern. {stem} is the input file's name without its
// folder and last extension, {name} the name with its extension, {dir} its
// folder ("." for none), {interval} the interval name, {period} what a
// table covers ("2024-06" or "2024"). Other text is kept; "{{" and "}}"
// stand for braces.
struct OutputFields {
  std::string input;
  std::string interval;
  std::string period;
};
std::string expandOutputPattern(const std::string& pattern, const OutputFields& fields);

// The output of every input, or an error text when the pattern is needed but
// absent (several inputs and a pattern without a field that tells them
// apart) or two inputs would be written to the same file.
struct OutputPlan {
  std::vector<std::string> outputs;
  std::string error;
};
OutputPlan planOutputs(const std::string& pattern, const std::vector<OutputFields>& inputs);
