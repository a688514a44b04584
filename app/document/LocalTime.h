#pragma once
// Local-time helpers over 64-bit second counts. The program runs with its
// time zone forced to UTC+9, so these are the recording's clock.

#include <cstdint>
#include <ctime>

struct tm toLocal(int64_t t);
int64_t fromLocal(struct tm fields);  // normalises out-of-range fields
