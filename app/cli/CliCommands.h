#pragma once
// The subcommands of hyetoscope-cli: their names and summaries for the help,
// and the functions that run them. Text work (info, export, the analysis,
// the device, most of the archive) runs in the tool's text part, which
// links Qt Core only; drawing (chart, print, table, archive table) runs in
// the drawing program (CliRouting.h, CliProgramParts.h), so that only
// drawing pays for loading Qt Gui.
// Each subcommand takes its own arguments (after its name) and returns the
// exit code of CliExit.h.

#include <QStringList>

#include <string>

struct CliSubcommand {
  const char* name;
  const char* summary;
  // Runs it in the text part; null for a subcommand another part runs
  // (CliRouting.h).
  int (*run)(const QStringList& arguments);
};

// Text subcommands (hy_cli); archive runs in the archive part, the only
// one that loads SQLite.
int runInfo(const QStringList& arguments);
int runExport(const QStringList& arguments);
int runProbe(const QStringList& arguments);
int runPorts(const QStringList& arguments);
int runDownload(const QStringList& arguments);
int runArchive(const QStringList& arguments);
int runEvents(const QStringList& arguments);
int runMaxima(const QStringList& arguments);
int runIndices(const QStringList& arguments);

// The chart subcommand's command line and batch (hy_cli); write draws one
// picture into a file named .png or .pdf and returns the exit code
// (kExitHandOver to stop the batch and have the drawing program run it).
struct ChartOverlayData;
struct DisplaySeries;
using ChartFileWriter = int (*)(const std::string& path, const DisplaySeries& series, int width, int height,
                                const ChartOverlayData* overlay);
int runChart(const QStringList& arguments, ChartFileWriter write);

// Drawing subcommands (hy_cli_draw).
int runPrint(const QStringList& arguments);
int runTable(const QStringList& arguments);

// Every subcommand, in the order the help lists them.
const CliSubcommand* findSubcommand(const char* name);
int printOverview(bool toStdout);
