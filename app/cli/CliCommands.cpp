#include "CliCommands.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr CliSubcommand kSubcommands[] = {
    {"info", "Print what data files hold: header fields and series lengths and totals.", runInfo},
    {"export", "Write the rainfall of data files as delimited text, as the export dialog does.", runExport},
    {"chart", "Draw the rainfall bar chart of data files as PNG or PDF.", nullptr},
    {"print", "Print the chart page and the value list of data files into PDF files.", nullptr},
    {"table", "Print the monthly or yearly rainfall sheet of data files into PDF files.", nullptr},
    {"events", "Write the storm events of data files with totals, peaks, flags and alarm times.", runEvents},
    {"maxima", "Write the maximum rainfall from 10 minutes to 72 hours per recording, year or month.", runMaxima},
    {"indices", "Write continuous and effective rainfall and the soil water index per ten minutes.", runIndices},
    {"download", "Download the logger's recording into a new HYY file.", runDownload},
    {"probe", "Ask whether a logger answers on a COM port.", runProbe},
    {"ports", "Find the COM port a logger answers on (automatic detection).", runPorts},
    {"archive", "Keep every recording of a station in one archive; export and print across them.", nullptr},
};

}  // namespace

const CliSubcommand* findSubcommand(const char* name) {
  for (const CliSubcommand& s : kSubcommands)
    if (std::strcmp(s.name, name) == 0) return &s;
  return nullptr;
}

int printOverview(bool toStdout) {
  FILE* out = toStdout ? stdout : stderr;
  std::fputs(
      "Usage: hyetoscope-cli SUBCOMMAND [options] [FILE...]\n"
      "Batch work on rain-gauge recordings (HYY files) with the program's own logic.\n"
      "Local times are UTC+9. 'hyetoscope-cli SUBCOMMAND --help' describes each subcommand.\n\n"
      "Subcommands:\n",
      out);
  for (const CliSubcommand& s : kSubcommands) std::fprintf(out, "  %-10s %s\n", s.name, s.summary);
  std::fputs(
      "\nExit codes: 0 success, 1 wrong usage, 2 bad input (damaged file, bad date, range outside\n"
      "the recording, output not writable), 3 no logger or a failed transfer, 130 stopped by Ctrl+C.\n",
      out);
  return toStdout ? 0 : 1;
}
