#pragma once
// Local-time helpers over 64-bit second counts. The program runs with its
// time zone forced to UTC+9, so these are the recording's clock.

#include <cstdint>
#include <ctime>
#include <string>

struct tm toLocal(int64_t t);
int64_t fromLocal(struct tm fields);  // normalises out-of-range fields
// t in local time through a strftime pattern (texts of at most 127 bytes).
std::string formatLocal(int64_t t, const char* pattern);
