// hyetoscope-cli: batch work on recordings with the program's own logic and
// renderers, without a window. Started as hy-info it is the info subcommand.
// Text work runs here (Qt Core only); drawing subcommands are handed to the
// drawing program (CliDrawingProgram.h).
#include "CliCommands.h"
#include "CliDrawingProgram.h"
#include "CliExit.h"
#include "CliProcess.h"

#include <QCoreApplication>

#include <cstring>
#include <string>

int main(int argc, char** argv) {
  const std::string self = argv[0] ? argv[0] : "";
  const bool infoAlias = self.size() >= 7 && self.compare(self.size() - 7, 7, "hy-info") == 0;
  const char* name = infoAlias ? "info" : (argc > 1 ? argv[1] : nullptr);
  if (name == nullptr) return printOverview(false);
  if (!infoAlias && (std::strcmp(name, "--help") == 0 || std::strcmp(name, "-h") == 0 ||
                     std::strcmp(name, "help") == 0))
    return printOverview(true);
  const CliSubcommand* sub = findSubcommand(name);
  if (sub == nullptr) {
    cliFail(kExitUsage, std::string("unknown subcommand '") + name + "'");
    return printOverview(false);
  }
  if (!infoAlias && subcommandDraws(*sub, argc > 2 ? argv[2] : nullptr)) return execDrawingProgram(argv);

  prepareCliProcess();
  QCoreApplication app(argc, argv);
  keepNumericLocale();
  return sub->run(cliArguments(argc, argv, infoAlias ? 1 : 2));
}
