// events: the storm events of each file, one line (or JSON object) per
// event, as the analysis window's event table shows them.
#include "AnalysisTables.h"
#include "CliAnalysisBatch.h"
#include "CliAnalysisOptions.h"
#include "CliCommands.h"
#include "CliParser.h"
#include "StormEvents.h"

int runEvents(const QStringList& arguments) {
  CliParser cli("events", "[options] [-o OUT] FILE...",
                "Writes the storm events of each data file: the wet spells of its ten-minute rain, split by "
                "dry gaps of at least --gap. One line per event: start, end, duration, total, peak ten "
                "minutes, largest moving hour, mean intensity, dry time before it and its flags "
                "(record-start, record-end, gap), then the time each alarm level given was first reached. "
                "Times are ISO 8601 slot ends with +09:00. With several files, -o is a pattern such as "
                "'{stem}-events.csv'.");
  cli.argument("FILE", "HYY data files.");
  addEventOptions(cli);
  addFormatOption(cli);
  cli.option({"o", "output"}, "Output file or pattern; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  StormEventOptions options;
  if (int done = readEventOptions(cli, options); done >= 0) return done;
  bool json = false;
  if (int done = readFormatOption(cli, json); done >= 0) return done;

  return runAnalysisBatch(cli, "{stem}-events.csv", [&](const RainSlots& rain) {
    return analysisTableText(eventTable(findStormEvents(rain, options), options.alarms), json);
  });
}
