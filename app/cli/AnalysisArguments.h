#pragma once
// The values the analysis subcommands take, read strictly. Plain code;
// nothing here prints. Each returns nothing for a malformed or
// out-of-range value, and the caller names the option in its message.

#include <optional>
#include <string>
#include <vector>

// A dry gap such as "90min" or "6h": whole minutes or hours, a multiple of
// ten minutes from 10 min to 72 h. Returns the gap in ten-minute slots.
std::optional<int> parseGapArgument(const std::string& text);

// Half-lives in hours, "1.5" or "1.5,72": each a plain decimal from 0.5 to
// 720.
std::optional<std::vector<double>> parseHalfLivesArgument(const std::string& text);

// Millimetres: a plain decimal ("12", "12.5"), at least 0, below 100000.
std::optional<double> parseMillimetresArgument(const std::string& text);

// Two millimetre values "A,B".
std::optional<std::pair<double, double>> parseMillimetrePairArgument(const std::string& text);
