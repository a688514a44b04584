// archive table: the hourly-rainfall monthly sheet or the daily-rainfall
// yearly sheet of a station over any month or year, whichever recordings
// hold it, into a PDF as the table print makes it. Hours and days with a
// missing slot show "-".
#include "CliArchive.h"
#include "CliArguments.h"
#include "CliBatch.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliSeriesOptions.h"
#include "PdfFileOutput.h"
#include "TableSnapshot.h"

#include <QString>

int runArchiveTable(const QStringList& arguments) {
  CliParser cli("archive table", "--db FILE --station NAME (--month YYYY-MM | --year YYYY) -o OUT.pdf",
                "Prints a station's hourly-rainfall monthly sheet (--month) or daily-rainfall yearly sheet "
                "(--year) into a PDF, as the window's table print makes it, from whichever recordings hold "
                "that month or year. Hours or days with a missing slot show '-' and add nothing to the "
                "totals; the time before the station's first slot is left blank and the sheet stops after "
                "its last. A period without any slot of the station is refused.");
  cli.option({"db"}, "The archive file.", "FILE");
  cli.option({"station"}, "The station; its name is printed on the sheet (first 24 characters).", "NAME");
  cli.option({"month"}, "The month of the hourly-rainfall monthly sheet.", "YYYY-MM");
  cli.option({"year"}, "The year of the daily-rainfall yearly sheet.", "YYYY");
  cli.option({"landscape"}, "Landscape page.");
  cli.option({"o", "output"}, "Output PDF file.", "OUT");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;
  if (!cli.isSet("station")) return cli.usageError("--station NAME is required");
  if (cli.isSet("month") == cli.isSet("year")) return cli.usageError("give either --month or --year");
  const TableKind kind = cli.isSet("month") ? TableKind::HourlyMonth : TableKind::DailyYear;
  const std::string period = cli.value(kind == TableKind::HourlyMonth ? "month" : "year");
  const std::optional<TablePeriod> parsed = parseTablePeriod(period, kind == TableKind::HourlyMonth);
  if (!parsed) return cli.usageError("'" + period + "' is not " + (kind == TableKind::HourlyMonth ? "YYYY-MM" : "YYYY"));
  std::vector<std::string> outputs;
  if (int done = planBatchOutputs(cli, {{cli.value("db"), "", period}}, {"pdf"}, outputs); done >= 0) return done;
  const std::optional<int64_t> start = tableStartTime(kind, parsed->year, parsed->month);
  if (!start) return cliFail(kExitBadInput, period + ": " + kBadValueText);
  const int64_t end = tableEndTime(kind, *start);

  int status = kExitOk;
  const std::unique_ptr<StationArchive> archive = openArchiveForCli(cli, ArchiveAccess::ReadOnly, status);
  if (!archive) return status;
  const std::optional<StationSummary> station = archiveStationForCli(*archive, cli.value("station"), status);
  if (!station) return status;
  const std::optional<SlotRun> run = archiveSlotsForCli(*archive, *station, *start, end, status);
  if (!run) return status;
  const std::string name = QString::fromStdString(station->name).left(24).toStdString();
  const std::optional<TableSnapshot> table = makeSlotTableSnapshot(*run, kind, parsed->year, parsed->month, name);
  if (!table) return cliFail(kExitBadInput, "station '" + station->name + "' holds no slot in " + period);
  const PaperOrientation orientation = cli.isSet("landscape") ? PaperOrientation::Landscape : PaperOrientation::Portrait;
  return printTableToPdf(outputs[0], *table, kind, orientation) > 0 ? int(kExitOk) : notWritable(outputs[0]);
}
