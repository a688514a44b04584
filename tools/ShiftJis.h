#pragma once
// Conversions between the terminal's UTF-8 and the Shift-JIS bytes that data
// names are stored in. A text that cannot be converted is returned as it is.

#include <string>

std::string utf8ToShiftJis(const std::string& utf8);
std::string shiftJisToUtf8(const std::string& sjis);
