#include "AnalysisArguments.h"

#include "EffectiveRainfall.h"
#include "StormEvents.h"

#include <cstdlib>

namespace {

// Digits with at most one decimal point between digits; no sign, no
// exponent, no spaces (strtod alone would take "1e3" or " 5").
std::optional<double> plainDecimal(const std::string& text) {
  if (text.empty() || text.size() > 12) return std::nullopt;
  size_t digits = 0, points = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') ++digits;
    else if (c == '.' && i > 0 && i + 1 < text.size()) ++points;
    else return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  return std::strtod(text.c_str(), nullptr);
}

std::vector<std::string> splitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (;;) {
    const size_t comma = text.find(',', from);
    parts.push_back(text.substr(from, comma - from));
    if (comma == std::string::npos) return parts;
    from = comma + 1;
  }
}

}  // namespace

std::optional<int> parseGapArgument(const std::string& text) {
  int perUnit = 0;
  std::string number;
  if (text.size() > 3 && text.compare(text.size() - 3, 3, "min") == 0) {
    perUnit = 1;
    number = text.substr(0, text.size() - 3);
  } else if (text.size() > 1 && text.back() == 'h') {
    perUnit = 60;
    number = text.substr(0, text.size() - 1);
  } else {
    return std::nullopt;
  }
  if (number.empty() || number.size() > 6) return std::nullopt;
  for (char c : number)
    if (c < '0' || c > '9') return std::nullopt;
  const int minutes = std::atoi(number.c_str()) * perUnit;
  if (minutes <= 0 || minutes % 10 != 0 || minutes / 10 > kMaxGapSlots) return std::nullopt;
  return minutes / 10;
}

std::optional<std::vector<double>> parseHalfLivesArgument(const std::string& text) {
  std::vector<double> hours;
  for (const std::string& part : splitCommas(text)) {
    const auto h = plainDecimal(part);
    if (!h || *h < kMinHalfLifeHours || *h > kMaxHalfLifeHours) return std::nullopt;
    hours.push_back(*h);
  }
  return hours;
}

std::optional<double> parseMillimetresArgument(const std::string& text) {
  const auto mm = plainDecimal(text);
  if (!mm || *mm >= 100000.0) return std::nullopt;
  return mm;
}

std::optional<std::pair<double, double>> parseMillimetrePairArgument(const std::string& text) {
  const std::vector<std::string> parts = splitCommas(text);
  if (parts.size() != 2) return std::nullopt;
  const auto a = parseMillimetresArgument(parts[0]);
  const auto b = parseMillimetresArgument(parts[1]);
  if (!a || !b) return std::nullopt;
  return std::make_pair(*a, *b);
}
