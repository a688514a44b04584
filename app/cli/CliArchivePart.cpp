// The archive part of hyetoscope-cli, a library its front loads: the
// archive's work but its tables (import, list, export, the analysis), the
// one part that loads SQLite, so that the other text work starts without it.
#include "CliCommands.h"
#include "CliProcess.h"

#include <QCoreApplication>

extern "C" __attribute__((visibility("default"))) int hyetoscopeCliArchive(int argc, char** argv) {
  prepareCliProcess();
  QCoreApplication app(argc, argv);
  keepNumericLocale();
  return runArchive(cliArguments(argc, argv, 2));
}
