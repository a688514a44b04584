#include "TextExport.h"

#include "AtomicFile.h"
#include "Calendar.h"
#include "TimeLabels.h"
#include "LocalTime.h"
#include "SeriesForMode.h"

#include <algorithm>
#include <charconv>

namespace {
void appendValue(std::string& out, double mm) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, mm, std::chars_format::fixed, 1);
  out.append(text, result.ptr);
}

void appendLabel(const RainSeries& series, const ExportRequest& r, int i, int startYear, int startMonth,
                 LocalDayClock& clock, std::string& out) {
  const int64_t slotStart = static_cast<int64_t>(r.startTime) + static_cast<int64_t>(i) * series.step;
  switch (r.interval) {
    case IntervalMode::Hourly:
      FormatEndTime(slotStart + 3600, out, '/', 0, clock);
      return;
    case IntervalMode::Daily:
      FormatEndTime(slotStart + 86400, out, '/', 0, clock);
      return;
    case IntervalMode::TenMinute:
      // The slot ending at midnight keeps hour 0 on the new date.
      appendPlainTimeLabel(slotStart + 600, out, clock);
      return;
    case IntervalMode::Monthly: {
      int year = 0, month = 0;
      addMonths(startYear, startMonth, i, year, month);
      appendMonthLabel(year, month, out);
      return;
    }
  }
}
}  // namespace

int appendExportLines(const RainSeries& series, const ExportRequest& r, std::string& out) {
  if (r.startIndex < 0 || r.count <= 0 || r.startIndex >= series.valueCount) return 0;
  const int count = std::min(r.count, series.valueCount - r.startIndex);
  const struct tm start = toLocal(r.startTime);
  const int startYear = start.tm_year + 1900;
  const int startMonth = start.tm_mon + 1;
  out.reserve(out.size() + static_cast<size_t>(count) * 28);
  LocalDayClock clock;
  for (int i = 0; i < count; ++i) {
    out.push_back('"');
    appendLabel(series, r, i, startYear, startMonth, clock, out);
    out.push_back('"');
    out.push_back(r.separator);
    // A bucket with a missing slot has no value to write.
    if (!series.isMissing(r.startIndex + i)) appendValue(out, series.values[r.startIndex + i]);
    out.push_back('\n');
  }
  return count;
}

ExportStatus exportSeriesText(const RecordingBuffer& recording, const ExportRequest& r, std::string& out) {
  std::unique_ptr<RainSeries> series = makeSeriesFor(r.interval);
  if (series->build(recording) == 0) return ExportStatus::SeriesRefused;
  appendExportLines(*series, r, out);
  return ExportStatus::Written;
}

ExportStatus writeSeriesTextFile(const RecordingBuffer& recording, const ExportRequest& r, const std::string& path) {
  std::string bytes;
  const ExportStatus built = exportSeriesText(recording, r, bytes);
  if (built != ExportStatus::Written) return built;
  logstore::AtomicFile file;
  if (!file.begin(path) || !file.write(bytes.data(), bytes.size()) || !file.commit()) {
    file.abandon();
    return ExportStatus::WriteFailed;
  }
  return ExportStatus::Written;
}
