// chart: the window's bar chart of each file as a PNG or PDF picture.
#include "AnalysisArguments.h"
#include "CliArguments.h"
#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliSeriesOptions.h"
#include "OverlayCurves.h"


int runChart(const QStringList& arguments, ChartFileWriter write) {
  CliParser cli("chart", "[options] -o OUT.png|OUT.pdf FILE...",
                "Draws the rainfall bar chart of each data file as the window draws it, into a PNG "
                "picture or a one-page PDF. With several files, -o is a pattern such as "
                "'{stem}-{interval}.png' ({stem}, {name}, {dir}, {interval}).");
  cli.argument("FILE", "HYY data files.");
  CliSeriesOptions::add(cli);
  cli.option({"size"}, "Picture size in pixels (default 1000x500).", "WxH", "1000x500");
  cli.option({"overlay"}, "Draws the continuous rainfall and the effective rainfalls over the bars (10min and "
                          "hour only), on a millimetre axis at the right with a legend.");
  cli.option({"gap"}, "Dry gap that ends the continuous rainfall of --overlay, such as 90min or 6h (default 6h).",
             "DUR", "6h");
  cli.option({"half-life"}, "One or two half-lives of the effective rainfall of --overlay in hours, from 0.5 to "
             "720 (default 1.5,72).", "H[,H]", "1.5,72");
  cli.option({"o", "output"}, "Output file or pattern; .png or .pdf.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  OverlaySettings overlay;
  const auto gap = parseGapArgument(cli.value("gap"));
  if (!gap)
    return cli.usageError("--gap " + cli.value("gap") + ": a multiple of 10 minutes from 10min to 72h, such as 6h");
  const auto halfLives = parseHalfLivesArgument(cli.value("half-life"));
  if (!halfLives || halfLives->size() > 2)
    return cli.usageError("--half-life " + cli.value("half-life") + ": one or two of 0.5 to 720 hours, such as 1.5,72");
  overlay.gapSlots = *gap;
  overlay.halfLivesHours = *halfLives;
  const bool withOverlay = cli.isSet("overlay");

  CliSeriesOptions shown;
  if (int done = shown.read(cli); done >= 0) return done;
  const auto size = parsePixelSize(cli.value("size"));
  if (!size) return cli.usageError("size '" + cli.value("size") + "' is not WxH between 16 and 20000");
  std::vector<OutputFields> inputs;
  for (const std::string& path : cli.positional()) inputs.push_back({path, intervalName(shown.interval()), ""});
  std::vector<std::string> outputs;
  if (int done = planBatchOutputs(cli, inputs, {"png", "pdf"}, outputs); done >= 0) return done;

  return forEachRecording(inputs, [&](CliRecording& file, size_t k) {
    if (int failed = shown.apply(file); failed >= 0) return failed;
    const DisplaySeries& series = file.doc().series();
    ChartOverlayData curves;
    if (withOverlay) curves = overlayCurves(file.doc().recording(), overlay);
    const ChartOverlayData* drawn = withOverlay ? &curves : nullptr;
    return write(outputs[k], series, size->width, size->height, drawn);
  });
}
