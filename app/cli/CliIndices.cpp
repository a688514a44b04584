// indices: every ten-minute slot of a file with its continuous rainfall,
// effective rainfalls and soil water index (a reference value).
#include "AnalysisArguments.h"
#include "AnalysisTables.h"
#include "CliAnalysisBatch.h"
#include "CliCommands.h"
#include "CliParser.h"
#include "RainIndices.h"
#include "StormEvents.h"

int runIndices(const QStringList& arguments) {
  CliParser cli("indices", "[options] [-o OUT] FILE...",
                "Writes one line per ten-minute slot of each data file: its end (ISO 8601, +09:00), the "
                "rain, the continuous rainfall (reset after a dry run of --gap), the effective rainfall "
                "for each half-life of --half-life, the soil water index of the three-tank model (a "
                "reference value from one gauge, not the official index) and spinup: 1 while any value "
                "of the line still depends on the unknown wetness before the recording (less than four "
                "half-lives since its start; 288 hours for the soil water index). With several files, -o "
                "is a pattern such as '{stem}-indices.csv'.");
  cli.argument("FILE", "HYY data files.");
  cli.option({"gap"}, "Dry gap that ends the continuous rainfall, such as 90min or 6h (default 6h).", "DUR", "6h");
  cli.option({"half-life"}, "Half-lives of the effective rainfall in hours, from 0.5 to 720 (default 1.5,72).",
             "H[,H...]", "1.5,72");
  cli.option({"format"}, "csv (the only form).", "FORMAT", "csv");
  cli.option({"o", "output"}, "Output file or pattern; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  const auto gap = parseGapArgument(cli.value("gap"));
  if (!gap)
    return cli.usageError("--gap " + cli.value("gap") + ": a multiple of 10 minutes from 10min to 72h, such as 6h");
  const auto halfLives = parseHalfLivesArgument(cli.value("half-life"));
  if (!halfLives)
    return cli.usageError("--half-life " + cli.value("half-life") + ": hours from 0.5 to 720, such as 1.5 or 1.5,72");
  if (cli.value("format") != "csv") return cli.usageError("--format " + cli.value("format") + ": only csv");

  return runAnalysisBatch(cli, "{stem}-indices.csv", [&](const RainSlots& rain) {
    std::string out;
    appendIndicesCsv(rain, computeRainIndices(rain, *gap, *halfLives), out);
    return out;
  });
}
