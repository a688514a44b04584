// maxima: the largest rain of each file over 10 minutes to 72 hours, for
// the whole recording, each year or each month.
#include "AnalysisTables.h"
#include "CliAnalysisBatch.h"
#include "CliCommands.h"
#include "CliParser.h"
#include "RainfallMaxima.h"

int runMaxima(const QStringList& arguments) {
  CliParser cli("maxima", "[options] [-o OUT] FILE...",
                "Writes the maximum rainfall by duration of each data file: for 10min, 1h, 3h, 6h, 12h, 24h, "
                "48h and 72h the largest sum over a window lying wholly inside the recording and the end of "
                "that window (the first on ties), per period: the whole recording, each calendar year or "
                "each calendar month (UTC+9). A window counts for the period holding its end; one ending at "
                "midnight ends the day before (24:00). A period without a whole window has an empty value. "
                "With several files, -o is a pattern such as '{stem}-maxima.csv'.");
  cli.argument("FILE", "HYY data files.");
  cli.option({"by"}, "whole (default), year or month.", "PERIOD", "whole");
  cli.option({"format"}, "csv (default) or json (an array of objects, empty values null).", "FORMAT", "csv");
  cli.option({"o", "output"}, "Output file or pattern; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  const std::string by = cli.value("by");
  PeriodKind kind;
  if (by == "whole") kind = PeriodKind::Whole;
  else if (by == "year") kind = PeriodKind::Year;
  else if (by == "month") kind = PeriodKind::Month;
  else return cli.usageError("--by " + by + ": whole, year or month");
  const std::string format = cli.value("format");
  if (format != "csv" && format != "json") return cli.usageError("--format " + format + ": csv or json");

  return runAnalysisBatch(cli, "{stem}-maxima.csv", [&](const RainSlots& rain) {
    const AnalysisTable table = maximaTable(rainfallMaxima(rain, kind));
    std::string out;
    if (format == "json") table.appendJson(out);
    else table.appendCsv(out);
    return out;
  });
}
