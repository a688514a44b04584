#include "IsoExport.h"

#include "LocalTime.h"
#include "SeriesWindow.h"

#include <algorithm>
#include <cstdio>

std::string isoLocalTime(int64_t t) {
  const struct tm f = toLocal(t);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d+09:00", f.tm_year + 1900, f.tm_mon + 1, f.tm_mday,
                f.tm_hour, f.tm_min, f.tm_sec);
  return text;
}

int appendIsoExportLines(const RainSeries& series, const ExportRequest& r, std::string& out) {
  const char sep = r.separator;
  out += "start";
  out += sep;
  out += "end";
  out += sep;
  out += "rain_mm";
  // Series that can miss slots say how many each bucket misses.
  const bool missingColumn = series.missingSlots != nullptr;
  if (missingColumn) {
    out += sep;
    out += "missing";
  }
  out += '\n';
  if (r.startIndex < 0 || r.count <= 0 || r.startIndex >= series.valueCount) return 0;
  const int count = std::min(r.count, series.valueCount - r.startIndex);
  int64_t start = bucketStart(r.interval, r.startTime, 0);
  for (int i = 0; i < count; ++i) {
    const int64_t end = bucketStart(r.interval, r.startTime, i + 1);
    const int index = r.startIndex + i;
    char value[32] = "";
    if (!series.isMissing(index)) std::snprintf(value, sizeof value, "%.1f", series.values[index]);
    out += isoLocalTime(start);
    out += sep;
    out += isoLocalTime(end);
    out += sep;
    out += value;
    if (missingColumn) {
      out += sep;
      out += std::to_string(series.missingSlots[index]);
    }
    out += '\n';
    start = end;
  }
  return count;
}
