#pragma once
// The delimited text copy of a data file: one line per sample with its local
// date and time and its rainfall in millimetres.

#include <string>

namespace logstore {

// fileBytes holds a checked data file (header and all its samples).
std::string formatSampleLines(const unsigned char* fileBytes, const std::string& separator);

}  // namespace logstore
