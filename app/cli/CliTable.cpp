// table: the hourly-rainfall monthly sheet or the daily-rainfall yearly
// sheet of each file, as the window's table print makes it, into a PDF.
#include "CliArguments.h"
#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliRecording.h"
#include "CliSeriesOptions.h"
#include "LocalTime.h"
#include "PdfFileOutput.h"
#include "TableSnapshot.h"

#include <QString>

#include <cstdio>

namespace {
constexpr int kStationRoom = 24;  // characters, as the dialog's field
}  // namespace

int runTable(const QStringList& arguments) {
  CliParser cli("table", "(--month YYYY-MM | --year YYYY) [options] -o OUT.pdf FILE...",
                "Prints the hourly-rainfall monthly sheet (--month) or the daily-rainfall yearly sheet (--year) "
                "of each data file into a PDF, as the window's table print makes it. A month or year the "
                "recording does not reach prints the empty form, as in the window, with a note on standard "
                "error. With several files, -o is a pattern such as '{stem}-{period}.pdf' ({period} is the "
                "month or year).");
  cli.argument("FILE", "HYY data files.");
  cli.option({"month"}, "The month of the hourly-rainfall monthly sheet.", "YYYY-MM");
  cli.option({"year"}, "The year of the daily-rainfall yearly sheet.", "YYYY");
  cli.option({"station"}, "Station name on the sheet (at most 24 characters; default none).", "NAME");
  cli.option({"landscape"}, "Landscape page.");
  cli.option({"o", "output"}, "Output PDF file or pattern.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  if (cli.isSet("month") == cli.isSet("year")) return cli.usageError("give either --month or --year");
  const TableKind kind = cli.isSet("month") ? TableKind::HourlyMonth : TableKind::DailyYear;
  const std::string period = cli.value(kind == TableKind::HourlyMonth ? "month" : "year");
  const std::optional<TablePeriod> parsed = parseTablePeriod(period, kind == TableKind::HourlyMonth);
  if (!parsed) return cli.usageError("'" + period + "' is not " + (kind == TableKind::HourlyMonth ? "YYYY-MM" : "YYYY"));
  const int year = parsed->year;
  const int month = parsed->month;
  const std::optional<int64_t> start = tableStartTime(kind, year, month);
  if (!start) return cliFail(kExitBadInput, period + ": " + kBadValueText);
  const std::string station = cli.value("station");
  if (QString::fromStdString(station).size() > kStationRoom)
    return cli.usageError("the station name is longer than 24 characters");
  std::vector<OutputFields> inputs;
  for (const std::string& path : cli.positional()) inputs.push_back({path, "", period});
  std::vector<std::string> outputs;
  if (int done = planBatchOutputs(cli, inputs, {"pdf"}, outputs); done >= 0) return done;
  const PaperOrientation orientation = cli.isSet("landscape") ? PaperOrientation::Landscape : PaperOrientation::Portrait;
  const int64_t end = tableEndTime(kind, *start);

  return forEachRecording(inputs, [&](CliRecording& file, size_t k) {
    const RecordingBuffer& rec = file.doc().recording();
    // As in the window, a period outside the recording prints the empty
    // form; a script printing a list of months gets every sheet, and a note.
    const int64_t recordEnd = static_cast<int64_t>(rec.startTime) + 600LL * rec.sampleCount();
    if (*start >= recordEnd || end <= rec.startTime)
      std::fprintf(stderr, "hyetoscope-cli: %s: %s lies outside the recording; the empty form is printed\n",
                   inputs[k].input.c_str(), period.c_str());
    const std::optional<TableSnapshot> table = makeTableSnapshot(rec, kind, year, month, station);
    if (!table) return cliFail(kExitBadInput, period + ": " + kBadValueText);
    return printTableToPdf(outputs[k], *table, kind, orientation) > 0 ? int(kExitOk) : notWritable(outputs[k]);
  });
}
