// hyetoscope-cli-draw: the drawing subcommands of hyetoscope-cli (chart,
// print, table, archive table), which hands them over with its own command
// line (argv[1] is the subcommand). Not meant to be started by hand.
#include "CliDrawingCommands.h"
#include "CliExit.h"
#include "CliProcess.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
  if (argc < 2) return cliFail(kExitUsage, "the drawing program runs what hyetoscope-cli hands it");
  prepareCliProcess();
  QGuiApplication app(argc, argv);
  keepNumericLocale();
  return runDrawingSubcommand(argv[1], cliArguments(argc, argv, 2));
}
