// The chart part of hyetoscope-cli, a library its front loads: the chart
// subcommand drawn without Qt Gui (RasterChartImage). A picture it cannot
// draw exactly as Qt does (a PDF, the overlay, more colours than a palette,
// a font set-up it does not reproduce) is answered with kExitHandOver before
// any of it is written, and the front hands the whole command line to the
// drawing program (which draws the batch's earlier pictures again, the
// same; a refusal after the first picture needs a text the face cannot
// set, so it comes first in practice).
#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliProcess.h"
#include "RasterChartImage.h"

#include <QCoreApplication>

#include <cstring>
#include <thread>

namespace {
int writeChart(const std::string& path, const DisplaySeries& series, int width, int height,
               const ChartOverlayData* overlay) {
  if (!isPngPath(path)) return kExitHandOver;
  switch (RasterChartImage::writePng(path, series, width, height, overlay)) {
    case RasterChartImage::Result::Written: return kExitOk;
    case RasterChartImage::Result::NotWritable: return notWritable(path);
    case RasterChartImage::Result::Refused: break;
  }
  return kExitHandOver;
}
}  // namespace

extern "C" __attribute__((visibility("default"))) int hyetoscopeCliChart(int argc, char** argv) {
  // The overlay's coloured curves under antialiased labels bring more
  // colours than the palette picture holds: such charts go to the drawing
  // program before any work.
  for (int i = 2; i < argc; ++i)
    if (std::strcmp(argv[i], "--overlay") == 0) return kExitHandOver;
  prepareCliProcess();
  // Fontconfig reads its set-up while the command line and the recording
  // are read.
  std::thread fonts(RasterChartImage::prepareFonts);
  QCoreApplication app(argc, argv);
  keepNumericLocale();
  const int code = runChart(cliArguments(argc, argv, 2), writeChart);
  fonts.join();
  RasterChartImage::releaseFonts();
  return code;
}
