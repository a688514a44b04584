// export: each file's rainfall as delimited text, the same bytes as the
// export dialog writes for the same choices; or, with --iso, a header line
// and ISO 8601 times for spreadsheets and data tools.
#include "Calendar.h"
#include "CliArguments.h"
#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliSeriesOptions.h"
#include "ExportRange.h"
#include "IsoExport.h"
#include "LocalTime.h"
#include "ParallelWrites.h"
#include "SeriesForMode.h"
#include "TextExport.h"

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Enough writers for their flushes to disk to overlap.
constexpr int kWriterThreads = 8;

DateTexts textsOf(const struct tm& f) {
  return {std::to_string(f.tm_year + 1900), std::to_string(f.tm_mon + 1), std::to_string(f.tm_mday),
          std::to_string(f.tm_hour), std::to_string(f.tm_min)};
}

// The dialog's date fields for --from and --to. An end is exclusive; the
// dialog takes its end month as included, so a monthly end names the month
// before. A missing end is the recording's own start or end.
GivenRange givenRange(const RecordingBuffer& rec, IntervalMode mode, std::optional<int64_t> from,
                      std::optional<int64_t> to, char separator) {
  const int64_t recordStart = rec.startTime;
  const int64_t recordEnd = floorToTenMinutes(recordStart) + 600LL * rec.sampleCount();
  // A start with seconds is taken at its next whole minute, which is still
  // inside the recording.
  const DateTexts start = textsOf(toLocal(from ? *from : recordStart + 59));
  DateTexts end;
  if (mode == IntervalMode::Monthly) {
    struct tm f = toLocal(to ? *to : recordEnd);
    if (to) f.tm_mon -= 1;       // the month before the one --to lies in
    else f = toLocal(recordEnd - 1);  // the recording's last (partial) month
    f.tm_mday = 1;
    end = textsOf(toLocal(fromLocal(f)));
  } else {
    end = textsOf(toLocal(to ? *to : recordEnd));
  }
  return givenExportRange(rec, mode, start, end, separator);
}

void appendIsoLines(const RecordingBuffer& rec, const ExportRequest& request, std::string& out) {
  std::unique_ptr<RainSeries> series = makeSeriesFor(request.interval);
  if (series->build(rec)) appendIsoExportLines(*series, request, out);
}

}  // namespace

int runExport(const QStringList& arguments) {
  CliParser cli("export", "[options] [-o OUT] FILE...",
                "Writes the rainfall of each data file, summed to one interval, as delimited text: the same "
                "bytes as the window's text export for the same choices. Without --from and --to the whole "
                "recording is written (the dialog's whole-recording choice); with them, the dialog's given "
                "range, whose rules lower each time to the start of its interval. Without -o the text goes "
                "to standard output. With several files, -o is a pattern such as '{stem}-{interval}.txt'.");
  cli.argument("FILE", "HYY data files.");
  cli.option({"i", "interval"}, "10min, hour (default), day or month.", "INTERVAL", "hour");
  cli.option({"from"}, "First slot: YYYY-MM-DD or 'YYYY-MM-DD HH:MM' (UTC+9).", "T");
  cli.option({"to"}, "End of the range, exclusive; same forms as --from.", "T");
  cli.option({"sep"}, "Separator: comma (default), tab, space or semicolon.", "SEP", "comma");
  cli.option({"iso"}, "A header line, then start and end as ISO 8601 times (+09:00) and the rainfall.");
  cli.option({"o", "output"}, "Output file or pattern; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  const auto mode = parseInterval(cli.value("interval"));
  if (!mode) return cli.usageError("unknown interval '" + cli.value("interval") + "'");
  const auto separator = parseSeparator(cli.value("sep"));
  if (!separator) return cli.usageError("unknown separator '" + cli.value("sep") + "'");
  std::optional<int64_t> from, to;
  if (int done = readTimeRange(cli, from, to); done >= 0) return done;
  const bool iso = cli.isSet("iso");
  const std::vector<std::string> files = cli.positional();
  std::vector<OutputFields> inputs;
  for (const std::string& path : files) inputs.push_back({path, intervalName(*mode), ""});
  std::vector<std::string> outputs;
  if (int done = planOptionalOutputs(cli, inputs, "{stem}-{interval}.txt", outputs); done >= 0) return done;

  ParallelWrites writes(kWriterThreads);
  const int status = forEachRecording(inputs, [&](CliRecording& file, size_t k) {
    if (!file.selectInterval(*mode)) return cliFail(kExitBadInput, file.message());
    const RecordingBuffer& rec = file.doc().recording();
    ExportRequest request;
    if (!from && !to) {
      const DisplaySeries& s = file.doc().series();
      request = wholeExportRequest(ShownSeriesSpan{*mode, 0, s.valueCount, s.valueCount, s.seriesStart}, *separator);
    } else {
      const GivenRange given = givenRange(rec, *mode, from, to, *separator);
      if (given.check != RangeCheck::Ok) return cliFail(kExitBadInput, files[k] + ": " + rangeCheckMessage(given.check));
      request = given.request;
    }
    if (outputs.empty()) {
      std::string bytes;
      if (iso) appendIsoLines(rec, request, bytes);
      else exportSeriesText(rec, request, bytes);
      const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
      return written ? int(kExitOk) : notWritable("standard output");
    }
    // The writer threads get a copy: the document loads the next file.
    auto copy = std::make_shared<const RecordingBuffer>(rec);
    writes.submit(k, [copy, request, iso, path = outputs[k]] {
      if (!iso) return writeSeriesTextFile(*copy, request, path) == ExportStatus::Written;
      std::string bytes;
      appendIsoLines(*copy, request, bytes);
      return writeWholeFile(path, bytes);
    });
    return int(kExitOk);
  });
  int result = status;
  for (size_t k : writes.finish()) result = notWritable(outputs[k]);
  if (std::fflush(stdout) != 0) return notWritable("standard output");
  return result;
}
