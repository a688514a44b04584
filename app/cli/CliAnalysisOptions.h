#pragma once
// The options of the analysis subcommands that their archive forms (archive
// maxima, archive events) take too, declared and read in one place so that
// both read them the same way, and the table text both write.
//   events: --gap, --min-depth, --alarm-continuous, --alarm-hourly,
//           --alarm-combined
//   maxima: --by
//   both:   --format
// The readers return -1 to go on, or the exit code after the usage error.

#include "AnalysisTable.h"
#include "CliParser.h"
#include "RainfallMaxima.h"
#include "StormEvents.h"

#include <string>

void addEventOptions(CliParser& cli);
int readEventOptions(const CliParser& cli, StormEventOptions& options);

void addPeriodOption(CliParser& cli);
int readPeriodOption(const CliParser& cli, PeriodKind& kind);

void addFormatOption(CliParser& cli);
// json: true for --format json, false for csv.
int readFormatOption(const CliParser& cli, bool& json);

// The table as CSV or JSON bytes.
std::string analysisTableText(const AnalysisTable& table, bool json);
