// hy-info: prints what a data file holds: its header fields and the start,
// length and total of its ten-minute, hourly, daily and monthly series.
//
//   hy-info FILE...
#include "CLogstore1App.h"
#include "DailySeries.h"
#include "HourlySeries.h"
#include "MonthlySeries.h"
#include "RecordingBuffer.h"
#include "ShiftJis.h"
#include "TenMinuteSeries.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

namespace {

std::string localText(int64_t t) {
  time_t tt = static_cast<time_t>(t);
  struct tm f {};
  localtime_r(&tt, &f);
  char text[32];
  std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &f);
  return text;
}

const char* reason(logstore::LoadError e) {
  switch (e) {
    case logstore::LoadError::CannotOpen: return "cannot be opened";
    case logstore::LoadError::TooShort: return "is shorter than a data-file header";
    case logstore::LoadError::TooLong: return "is larger than a recording can be";
    case logstore::LoadError::BadCount: return "has no readable sample count";
    case logstore::LoadError::CountTooLarge: return "claims more samples than a recording can hold";
    case logstore::LoadError::SizeMismatch: return "does not hold the number of samples its header gives";
    default: return "cannot be read";
  }
}

void printSeries(const char* label, RainSeries& series, const RecordingBuffer& rec) {
  if (!series.build(rec)) {
    std::printf("  %-10s refused (record interval is not 600 s)\n", label);
    return;
  }
  double total = 0.0;
  for (int i = 0; i < series.valueCount; ++i) total += series.values[i];
  std::printf("  %-10s start %s  values %6d  total %9.1f mm\n", label, localText(series.startTime).c_str(),
              series.valueCount, total);
}

int inspect(const char* path) {
  auto image = std::make_unique<FileImage>();
  logstore::CLogstore1App store;
  if (!store.BfileToBuff(path, image->bytes)) {
    std::fprintf(stderr, "%s: %s\n", path, reason(store.lastError()));
    return 1;
  }
  auto rec = std::make_unique<RecordingBuffer>();
  copyFileImage(*image, *rec);
  const int n = rec->sampleCount();
  char name[33] = {};
  for (int i = 0; i < 32 && rec->dataName[i] != 0; ++i) name[i] = rec->dataName[i];
  std::printf("%s\n", path);
  std::printf("  name       %s\n", shiftJisToUtf8(name).c_str());
  std::printf("  start      %s (%d)\n", localText(rec->startTime).c_str(), rec->startTime);
  std::printf("  interval   %d s\n", rec->recordInterval());
  std::printf("  samples    %d (to %s)\n", n, localText(rec->sampleTime(n > 0 ? n - 1 : 0)).c_str());
  std::printf("  version    0x%04X (%s mm per count)\n", rec->versionWord,
              rec->versionWord == kTenthMillimetreVersion ? "0.1" : "0.5");
  TenMinuteSeries tenMinute;
  HourlySeries hourly;
  DailySeries daily;
  MonthlySeries monthly;
  printSeries("10-minute", tenMinute, *rec);
  printSeries("hourly", hourly, *rec);
  printSeries("daily", daily, *rec);
  printSeries("monthly", monthly, *rec);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (argc < 2) {
    std::fprintf(stderr, "usage: hy-info FILE...\n");
    return 2;
  }
  int status = 0;
  for (int i = 1; i < argc; ++i) status |= inspect(argv[i]);
  return status;
}
