// info: what a data file holds: its header fields and the start, length and
// total of its ten-minute, hourly, daily and monthly series.
#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliRecording.h"
#include "DailySeries.h"
#include "HourlySeries.h"
#include "LocalTime.h"
#include "MonthlySeries.h"
#include "ShiftJis.h"
#include "TenMinuteSeries.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace {

std::string localText(int64_t t) { return formatLocal(t, "%Y/%m/%d %H:%M:%S"); }

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

int inspect(CliRecording& file, const std::string& path) {
  const RecordingBuffer& rec = file.doc().recording();
  const int n = rec.sampleCount();
  std::printf("%s\n", path.c_str());
  std::printf("  name       %s\n", decodeShiftJisField(rec.dataName, sizeof rec.dataName).c_str());
  std::printf("  start      %s (%d)\n", localText(rec.startTime).c_str(), rec.startTime);
  std::printf("  interval   %d s\n", rec.recordInterval());
  std::printf("  samples    %d (to %s)\n", n, localText(rec.sampleTime(n > 0 ? n - 1 : 0)).c_str());
  std::printf("  version    0x%04X (%s mm per count)\n", rec.versionWord,
              rec.versionWord == kTenthMillimetreVersion ? "0.1" : "0.5");
  TenMinuteSeries tenMinute;
  HourlySeries hourly;
  DailySeries daily;
  MonthlySeries monthly;
  printSeries("10-minute", tenMinute, rec);
  printSeries("hourly", hourly, rec);
  printSeries("daily", daily, rec);
  printSeries("monthly", monthly, rec);
  return kExitOk;
}

}  // namespace

int runInfo(const QStringList& arguments) {
  CliParser cli("info", "[options] FILE...",
                "Prints what each data file holds: its header fields and the start, length and total "
                "of its ten-minute, hourly, daily and monthly series.");
  cli.argument("FILE", "HYY data files.");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;
  std::vector<OutputFields> inputs;
  for (const std::string& path : cli.positional()) inputs.push_back({path, "", ""});
  // A damaged file is reported and the others are still shown.
  return forEachRecording(inputs, [&](CliRecording& file, size_t k) {
    const int result = inspect(file, inputs[k].input);
    std::fflush(stdout);
    return result;
  });
}
