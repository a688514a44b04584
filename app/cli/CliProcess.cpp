#include "CliProcess.h"

#include "CliInterrupt.h"

#include <QString>
#include <QtGlobal>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
// Qt's notes about the environment (no runtime folder, and the like) are not
// the tool's output; only its own messages and Qt's errors reach stderr.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "hyetoscope-cli: %s\n", qPrintable(text));
}
}  // namespace

void prepareCliProcess() {
  setenv("TZ", "JST-9", 1);
  tzset();
  // Nothing is ever shown: draw on the offscreen platform, display or not.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // ... without asking a running X server for OpenGL, which the offscreen
  // platform otherwise does whenever DISPLAY is set (about 3 ms a chart).
  setenv("QT_QPA_OFFSCREEN_NO_GLX", "1", 1);
  // Qt's own event loop, not GLib's: the tool runs no GLib sources, and
  // setting GLib's up costs about as much as the tool's whole text work.
  setenv("QT_NO_GLIB", "1", 1);
  if (std::getenv("HY_CLI_QT_MESSAGES") == nullptr) qInstallMessageHandler(quietQtMessages);
  catchInterrupts();
}

void keepNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

QStringList cliArguments(int argc, char** argv, int first) {
  QStringList arguments;
  for (int i = first; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}
