#include "CliArguments.h"

#include "DateFields.h"

#include <filesystem>
#include <set>

namespace {

struct IntervalName {
  IntervalMode mode;
  const char* name;
};
constexpr IntervalName kIntervals[] = {{IntervalMode::TenMinute, "10min"},
                                       {IntervalMode::Hourly, "hour"},
                                       {IntervalMode::Daily, "day"},
                                       {IntervalMode::Monthly, "month"}};

bool allDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Reads exactly `width` digits (1..width when flexible) at pos.
bool readNumber(const std::string& s, size_t& pos, size_t minWidth, size_t maxWidth, int& out) {
  size_t n = 0;
  int value = 0;
  while (pos + n < s.size() && n < maxWidth && s[pos + n] >= '0' && s[pos + n] <= '9') {
    value = value * 10 + (s[pos + n] - '0');
    ++n;
  }
  if (n < minWidth) return false;
  pos += n;
  out = value;
  return true;
}

}  // namespace

std::optional<IntervalMode> parseInterval(const std::string& text) {
  for (const auto& i : kIntervals)
    if (text == i.name) return i.mode;
  return std::nullopt;
}

const char* intervalName(IntervalMode mode) {
  for (const auto& i : kIntervals)
    if (i.mode == mode) return i.name;
  return "hour";
}

std::optional<char> parseSeparator(const std::string& text) {
  if (text == "comma" || text == ",") return ',';
  if (text == "tab" || text == "\t") return '\t';
  if (text == "space" || text == " ") return ' ';
  if (text == "semicolon" || text == ";") return ';';
  return std::nullopt;
}

std::optional<int32_t> parseTimeArgument(const std::string& text) {
  CalendarFields f;
  size_t pos = 0;
  if (!readNumber(text, pos, 4, 4, f.year)) return std::nullopt;
  if (pos >= text.size() || (text[pos] != '-' && text[pos] != '/')) return std::nullopt;
  const char dateSeparator = text[pos++];
  if (!readNumber(text, pos, 1, 2, f.month)) return std::nullopt;
  if (pos >= text.size() || text[pos] != dateSeparator) return std::nullopt;
  ++pos;
  if (!readNumber(text, pos, 1, 2, f.day)) return std::nullopt;
  if (pos < text.size()) {
    if (text[pos] != ' ' && text[pos] != 'T') return std::nullopt;
    ++pos;
    if (!readNumber(text, pos, 1, 2, f.hour)) return std::nullopt;
    if (pos >= text.size() || text[pos] != ':') return std::nullopt;
    ++pos;
    if (!readNumber(text, pos, 2, 2, f.minute)) return std::nullopt;
    if (pos != text.size()) return std::nullopt;
  }
  return validLocalTime(f);
}

std::optional<PixelSize> parsePixelSize(const std::string& text) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  auto w = parseBoundedInt(text.substr(0, x), 16, 20000);
  auto h = parseBoundedInt(text.substr(x + 1), 16, 20000);
  if (!w || !h) return std::nullopt;
  return PixelSize{*w, *h};
}

std::optional<int> parseBoundedInt(const std::string& text, int low, int high) {
  if (!allDigits(text) || text.size() > 9) return std::nullopt;
  const int value = std::stoi(text);
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::string expandOutputPattern(const std::string& pattern, const OutputFields& fields) {
  const std::filesystem::path input(fields.input);
  const std::string dir = input.has_parent_path() ? input.parent_path().string() : ".";
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if ((c == '{' || c == '}') && i + 1 < pattern.size() && pattern[i + 1] == c) {
      out += c;
      ++i;
      continue;
    }
    if (c == '{') {
      const auto close = pattern.find('}', i);
      if (close != std::string::npos) {
        const std::string key = pattern.substr(i + 1, close - i - 1);
        const char* known[] = {"stem", "name", "dir", "interval", "period"};
        const std::string values[] = {input.stem().string(), input.filename().string(), dir,
                                      fields.interval, fields.period};
        bool replaced = false;
        for (int k = 0; k < 5; ++k) {
          if (key == known[k]) {
            out += values[k];
            replaced = true;
          }
        }
        if (replaced) {
          i = close;
          continue;
        }
      }
    }
    out += c;
  }
  return out;
}

OutputPlan planOutputs(const std::string& pattern, const std::vector<OutputFields>& inputs) {
  OutputPlan plan;
  std::set<std::string> seen;
  for (const OutputFields& f : inputs) {
    std::string out = expandOutputPattern(pattern, f);
    const std::string normal = std::filesystem::path(out).lexically_normal().string();
    if (normal == std::filesystem::path(f.input).lexically_normal().string()) {
      plan.error = "the output " + out + " would overwrite its input";
      plan.outputs.clear();
      return plan;
    }
    if (!seen.insert(normal).second) {
      plan.error = inputs.size() > 1 && out == pattern
                       ? "several inputs need an output pattern such as '{stem}-{interval}.txt'"
                       : "two inputs would be written to the same file " + out;
      plan.outputs.clear();
      return plan;
    }
    plan.outputs.push_back(std::move(out));
  }
  return plan;
}

std::optional<TablePeriod> parseTablePeriod(const std::string& text, bool monthly) {
  std::optional<int> y = parseBoundedInt(text.substr(0, 4), 0, 9999);
  std::optional<int> m = 1;
  if (monthly) {
    const bool shaped = text.size() >= 6 && text.size() <= 7 && (text[4] == '-' || text[4] == '/');
    m = shaped ? parseBoundedInt(text.substr(5), 0, 99) : std::nullopt;
  } else if (text.size() != 4) {
    y.reset();
  }
  if (!y || !m) return std::nullopt;
  return TablePeriod{*y, *m};
}
