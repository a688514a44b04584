#include "CliDrawingCommands.h"

#include "CliArchive.h"
#include "CliCommands.h"
#include "CliExit.h"

#include <cstring>
#include <string>

int runDrawingSubcommand(const char* name, const QStringList& arguments) {
  if (std::strcmp(name, "chart") == 0) return runChart(arguments);
  if (std::strcmp(name, "print") == 0) return runPrint(arguments);
  if (std::strcmp(name, "table") == 0) return runTable(arguments);
  if (std::strcmp(name, "archive") == 0 && !arguments.isEmpty() && arguments.front() == QStringLiteral("table"))
    return runArchiveTable(arguments.mid(1));
  return cliFail(kExitUsage, std::string("'") + name + "' is not drawn; run it as hyetoscope-cli " + name);
}
