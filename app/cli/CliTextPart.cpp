// The text part of hyetoscope-cli, a library its front loads: help, info,
// export, the analysis and the device, with Qt Core only. Drawing and
// archive command lines never reach it (CliRouting.h).
#include "CliCommands.h"
#include "CliExit.h"
#include "CliProcess.h"

#include <QCoreApplication>

#include <cstring>
#include <string>

extern "C" __attribute__((visibility("default"))) int hyetoscopeCliText(int argc, char** argv) {
  const std::string self = argv[0] ? argv[0] : "";
  const bool infoAlias = self.size() >= 7 && self.compare(self.size() - 7, 7, "hy-info") == 0;
  const char* name = infoAlias ? "info" : (argc > 1 ? argv[1] : nullptr);
  if (name == nullptr) return printOverview(false);
  if (!infoAlias && (std::strcmp(name, "--help") == 0 || std::strcmp(name, "-h") == 0 ||
                     std::strcmp(name, "help") == 0))
    return printOverview(true);
  const CliSubcommand* sub = findSubcommand(name);
  if (sub == nullptr || sub->run == nullptr) {
    cliFail(kExitUsage, std::string("unknown subcommand '") + name + "'");
    return printOverview(false);
  }

  prepareCliProcess();
  QCoreApplication app(argc, argv);
  keepNumericLocale();
  return sub->run(cliArguments(argc, argv, infoAlias ? 1 : 2));
}
