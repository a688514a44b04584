#pragma once
// The five date fields of one row of a dialog (or of the tool's options), as
// typed, before anything reads them as numbers.

#include <string>

struct DateTexts {
  std::string year, month, day, hour, minute;
};
