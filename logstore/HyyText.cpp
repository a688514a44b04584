#include "HyyText.h"

#include "CLogstore1App.h"

#include <cstdio>
#include <ctime>

namespace logstore {

std::string formatSampleLines(const unsigned char* fileBytes, const std::string& separator) {
  const unsigned char* h = fileBytes;
  int32_t start = static_cast<int32_t>(static_cast<uint32_t>(h[kOffStartTime]) |
                                       static_cast<uint32_t>(h[kOffStartTime + 1]) << 8 |
                                       static_cast<uint32_t>(h[kOffStartTime + 2]) << 16 |
                                       static_cast<uint32_t>(h[kOffStartTime + 3]) << 24);
  uint16_t version = static_cast<uint16_t>(h[kOffVersion] | h[kOffVersion + 1] << 8);
  long interval = parseFiveDigitField(h + kOffInterval);
  if (interval <= 0) interval = 600;
  long n = parseFiveDigitField(h + kOffSampleCount);
  std::string out;
  out.reserve(static_cast<size_t>(n) * 28);
  char line[64];
  for (long k = 0; k < n; ++k) {
    time_t t = static_cast<time_t>(start) + static_cast<time_t>(interval) * k;
    struct tm tm {};
    localtime_r(&t, &tm);
    const unsigned char* s = fileBytes + kHeaderSize + 2 * k;
    double mm = decodeSampleMm(static_cast<uint16_t>(s[0] | s[1] << 8), version);
    std::snprintf(line, sizeof line, "%04d/%02d/%02d %02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    out += line;
    out += separator;
    std::snprintf(line, sizeof line, "%.1f\n", mm);
    out += line;
  }
  return out;
}

}  // namespace logstore
