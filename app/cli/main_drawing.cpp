// hyetoscope-cli-draw: the drawing subcommands of hyetoscope-cli (chart,
// print, table, archive table), which hands them over with its own command
// line (argv[1] is the subcommand). Not meant to be started by hand.
#include "CliDrawingCommands.h"
#include "CliExit.h"
#include "CliProcess.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <thread>

int main(int argc, char** argv) {
  if (argc < 2) return cliFail(kExitUsage, "the drawing program runs what hyetoscope-cli hands it");
  prepareCliProcess();
  QGuiApplication app(argc, argv);
  keepNumericLocale();
  // Qt reads the font configuration and lists the fonts when a text is
  // first measured, which takes longer than reading a recording and
  // preparing its picture: a second thread does it meanwhile (Qt's font
  // database is shared between threads and locked while it fills; a text
  // measured before it is ready waits for it).
  std::thread fonts([] { QFontDatabase::families(); });
  const int code = runDrawingSubcommand(argv[1], cliArguments(argc, argv, 2));
  fonts.join();
  return code;
}
