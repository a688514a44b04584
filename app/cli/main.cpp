// hyetoscope-cli: batch work on recordings with the program's own logic and
// renderers, without a window. Started as hy-info it is the info subcommand.
#include "CliCommands.h"
#include "CliExit.h"
#include "CliInterrupt.h"

#include <QApplication>
#include <QCoreApplication>

#include <QtGlobal>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

namespace {
// Qt's notes about the environment (no runtime folder, and the like) are not
// the tool's output; only its own messages and Qt's errors reach stderr.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "hyetoscope-cli: %s\n", qPrintable(text));
}
}  // namespace

int main(int argc, char** argv) {
  // The recording's clock, whatever the machine's zone; numbers with a dot.
  setenv("TZ", "JST-9", 1);
  tzset();
  // Nothing is ever shown: draw on the offscreen platform, display or not.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);

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

  if (std::getenv("HY_CLI_QT_MESSAGES") == nullptr) qInstallMessageHandler(quietQtMessages);
  catchInterrupts();
  std::unique_ptr<QCoreApplication> app;
  const bool draws = sub->draws || (sub->actionDraws && sub->actionDraws(argc > 2 ? argv[2] : nullptr));
  if (draws) app = std::make_unique<QApplication>(argc, argv);
  else app = std::make_unique<QCoreApplication>(argc, argv);
  std::setlocale(LC_NUMERIC, "C");

  QStringList arguments;
  for (int i = infoAlias ? 1 : 2; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return sub->run(arguments);
}
