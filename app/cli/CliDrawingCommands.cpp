#include "CliDrawingCommands.h"

#include "ChartImage.h"
#include "CliArchive.h"
#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"

#include <cstring>
#include <string>

namespace {
// The chart as Qt draws it, into a PNG picture or a one-page PDF.
int writeChartWithQt(const std::string& path, const DisplaySeries& series, int width, int height,
                     const ChartOverlayData* overlay) {
  const bool written = isPngPath(path) ? ChartImage::writePng(path, series, width, height, overlay)
                           : ChartImage::writePdf(path, series, width, height, overlay);
  return written ? int(kExitOk) : notWritable(path);
}
}  // namespace

int runDrawingSubcommand(const char* name, const QStringList& arguments) {
  if (std::strcmp(name, "chart") == 0) return runChart(arguments, writeChartWithQt);
  if (std::strcmp(name, "print") == 0) return runPrint(arguments);
  if (std::strcmp(name, "table") == 0) return runTable(arguments);
  if (std::strcmp(name, "archive") == 0 && !arguments.isEmpty() && arguments.front() == QStringLiteral("table"))
    return runArchiveTable(arguments.mid(1));
  return cliFail(kExitUsage, std::string("'") + name + "' is not drawn; run it as hyetoscope-cli " + name);
}
