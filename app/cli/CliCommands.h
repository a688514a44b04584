#pragma once
// The subcommands of hyetoscope-cli and the dispatcher over them. Each
// subcommand takes its own arguments (after its name) and returns the exit
// code of CliExit.h.

#include <QStringList>

struct CliSubcommand {
  const char* name;
  const char* summary;
  int (*run)(const QStringList& arguments);
  bool draws;  // needs a QApplication (widgets, fonts, painting)
  // For a subcommand with actions: whether the action (its first argument)
  // draws; null when `draws` says it for all.
  bool (*actionDraws)(const char* action);
};

int runInfo(const QStringList& arguments);
int runChart(const QStringList& arguments);
int runExport(const QStringList& arguments);
int runPrint(const QStringList& arguments);
int runTable(const QStringList& arguments);
int runProbe(const QStringList& arguments);
int runPorts(const QStringList& arguments);
int runDownload(const QStringList& arguments);
int runArchive(const QStringList& arguments);
bool archiveActionDraws(const char* action);
int runEvents(const QStringList& arguments);
int runMaxima(const QStringList& arguments);
int runIndices(const QStringList& arguments);

// Every subcommand, in the order the help lists them.
const CliSubcommand* findSubcommand(const char* name);
int printOverview(bool toStdout);
