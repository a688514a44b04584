#include "CliAnalysisOptions.h"

#include "AnalysisArguments.h"

#include <optional>
#include <utility>

namespace {
constexpr const char* kGapHelp = "a multiple of 10 minutes from 10min to 72h, such as 90min or 6h";
}

void addEventOptions(CliParser& cli) {
  cli.option({"gap"}, "Dry gap that separates events, such as 90min or 6h (default 6h).", "DUR", "6h");
  cli.option({"min-depth"}, "Leave out events whose total is below MM millimetres.", "MM");
  cli.option({"alarm-continuous"}, "Report when the continuous rainfall first reaches MM.", "MM");
  cli.option({"alarm-hourly"}, "Report when the moving 60-minute rain first reaches MM.", "MM");
  cli.option({"alarm-combined"}, "Report when continuous >= A and hourly >= B first hold together.", "A,B");
}

int readEventOptions(const CliParser& cli, StormEventOptions& options) {
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
  return -1;
}

void addPeriodOption(CliParser& cli) { cli.option({"by"}, "whole (default), year or month.", "PERIOD", "whole"); }

int readPeriodOption(const CliParser& cli, PeriodKind& kind) {
  const std::string by = cli.value("by");
  if (by == "whole") kind = PeriodKind::Whole;
  else if (by == "year") kind = PeriodKind::Year;
  else if (by == "month") kind = PeriodKind::Month;
  else return cli.usageError("--by " + by + ": whole, year or month");
  return -1;
}

void addFormatOption(CliParser& cli) {
  cli.option({"format"}, "csv (default) or json (an array of objects, empty values null).", "FORMAT", "csv");
}

int readFormatOption(const CliParser& cli, bool& json) {
  const std::string format = cli.value("format");
  if (format != "csv" && format != "json") return cli.usageError("--format " + format + ": csv or json");
  json = format == "json";
  return -1;
}

std::string analysisTableText(const AnalysisTable& table, bool json) {
  std::string out;
  if (json) table.appendJson(out);
  else table.appendCsv(out);
  return out;
}
