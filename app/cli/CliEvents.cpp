// events: the storm events of each file, one line (or JSON object) per
// event, as the analysis window's event table shows them.
#include "AnalysisArguments.h"
#include "AnalysisTables.h"
#include "CliAnalysisBatch.h"
#include "CliCommands.h"
#include "CliParser.h"
#include "StormEvents.h"

namespace {
constexpr const char* kGapHelp = "a multiple of 10 minutes from 10min to 72h, such as 90min or 6h";
}

int runEvents(const QStringList& arguments) {
  CliParser cli("events", "[options] [-o OUT] FILE...",
                "Writes the storm events of each data file: the wet spells of its ten-minute rain, split by "
                "dry gaps of at least --gap. One line per event: start, end, duration, total, peak ten "
                "minutes, largest moving hour, mean intensity, dry time before it and its flags "
                "(record-start, record-end, gap), then the time each alarm level given was first reached. "
                "Times are ISO 8601 slot ends with +09:00. With several files, -o is a pattern such as "
                "'{stem}-events.csv'.");
  cli.argument("FILE", "HYY data files.");
  cli.option({"gap"}, "Dry gap that separates events, such as 90min or 6h (default 6h).", "DUR", "6h");
  cli.option({"min-depth"}, "Leave out events whose total is below MM millimetres.", "MM");
  cli.option({"alarm-continuous"}, "Report when the continuous rainfall first reaches MM.", "MM");
  cli.option({"alarm-hourly"}, "Report when the moving 60-minute rain first reaches MM.", "MM");
  cli.option({"alarm-combined"}, "Report when continuous >= A and hourly >= B first hold together.", "A,B");
  cli.option({"format"}, "csv (default) or json (an array of objects, empty values null).", "FORMAT", "csv");
  cli.option({"o", "output"}, "Output file or pattern; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  StormEventOptions options;
  const auto gap = parseGapArgument(cli.value("gap"));
  if (!gap) return cli.usageError("--gap " + cli.value("gap") + ": " + kGapHelp);
  options.gapSlots = *gap;
  const auto millimetres = [&](const char* name, std::optional<double>& out) {
    if (!cli.isSet(name)) return true;
    out = parseMillimetresArgument(cli.value(name));
    return out.has_value();
  };
  std::optional<double> minDepth;
  for (const auto& [name, target] : {std::pair<const char*, std::optional<double>*>{"min-depth", &minDepth},
                                     {"alarm-continuous", &options.alarms.continuousMm},
                                     {"alarm-hourly", &options.alarms.hourlyMm}})
    if (!millimetres(name, *target))
      return cli.usageError(std::string("--") + name + " " + cli.value(name) + ": not a number of millimetres");
  options.minDepthMm = minDepth.value_or(0.0);
  if (cli.isSet("alarm-combined")) {
    const auto pair = parseMillimetrePairArgument(cli.value("alarm-combined"));
    if (!pair)
      return cli.usageError("--alarm-combined " + cli.value("alarm-combined") +
                            ": two numbers of millimetres, continuous and hourly, such as 100,30");
    options.alarms.combinedContinuousMm = pair->first;
    options.alarms.combinedHourlyMm = pair->second;
  }
  const std::string format = cli.value("format");
  if (format != "csv" && format != "json") return cli.usageError("--format " + format + ": csv or json");

  return runAnalysisBatch(cli, "{stem}-events.csv", [&](const RainSlots& rain) {
    const AnalysisTable table = eventTable(findStormEvents(rain, options), options.alarms);
    std::string out;
    if (format == "json") table.appendJson(out);
    else table.appendCsv(out);
    return out;
  });
}
