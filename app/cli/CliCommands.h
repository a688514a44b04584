#pragma once
// The subcommands of hyetoscope-cli: their names and summaries for the help,
// and which part of the tool runs each. Text work (info, export, the
// analysis, the device, most of the archive) runs in hyetoscope-cli itself,
// which links Qt Core only; drawing (chart, print, table, archive table) runs
// in the drawing program the tool hands the command line to
// (CliDrawingProgram.h), so that only drawing pays for loading Qt Gui.
// Each subcommand takes its own arguments (after its name) and returns the
// exit code of CliExit.h.

#include <QStringList>

struct CliSubcommand {
  const char* name;
  const char* summary;
  // Runs it in this program; null for a subcommand only the drawing program
  // runs.
  int (*run)(const QStringList& arguments);
  bool draws;  // runs in the drawing program (fonts, painting)
  // For a subcommand with actions: whether the action (its first argument)
  // draws; null when `draws` says it for all.
  bool (*actionDraws)(const char* action);
};

// Text subcommands (hy_cli).
int runInfo(const QStringList& arguments);
int runExport(const QStringList& arguments);
int runProbe(const QStringList& arguments);
int runPorts(const QStringList& arguments);
int runDownload(const QStringList& arguments);
int runArchive(const QStringList& arguments);
bool archiveActionDraws(const char* action);
int runEvents(const QStringList& arguments);
int runMaxima(const QStringList& arguments);
int runIndices(const QStringList& arguments);

// Drawing subcommands (hy_cli_draw).
int runChart(const QStringList& arguments);
int runPrint(const QStringList& arguments);
int runTable(const QStringList& arguments);

// Every subcommand, in the order the help lists them.
const CliSubcommand* findSubcommand(const char* name);
int printOverview(bool toStdout);

// Whether this command line (the subcommand and its first argument, which
// may be null) is drawn.
bool subcommandDraws(const CliSubcommand& subcommand, const char* firstArgument);
