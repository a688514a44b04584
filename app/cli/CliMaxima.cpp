// maxima: the largest rain of each file over 10 minutes to 72 hours, for
// the whole recording, each year or each month.
#include "AnalysisTables.h"
#include "CliAnalysisBatch.h"
#include "CliAnalysisOptions.h"
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
  addPeriodOption(cli);
  addFormatOption(cli);
  cli.option({"o", "output"}, "Output file or pattern; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  PeriodKind kind = PeriodKind::Whole;
  if (int done = readPeriodOption(cli, kind); done >= 0) return done;
  bool json = false;
  if (int done = readFormatOption(cli, json); done >= 0) return done;

  return runAnalysisBatch(cli, "{stem}-maxima.csv", [&](const RainSlots& rain) {
    return analysisTableText(maximaTable(rainfallMaxima(rain, kind)), json);
  });
}
