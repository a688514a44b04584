// chart: the window's bar chart of each file as a PNG or PDF picture.
#include "ChartImage.h"
#include "CliArguments.h"
#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliSeriesOptions.h"

#include <QFileInfo>

int runChart(const QStringList& arguments) {
  CliParser cli("chart", "[options] -o OUT.png|OUT.pdf FILE...",
                "Draws the rainfall bar chart of each data file as the window draws it, into a PNG "
                "picture or a one-page PDF. With several files, -o is a pattern such as "
                "'{stem}-{interval}.png' ({stem}, {name}, {dir}, {interval}).");
  cli.argument("FILE", "HYY data files.");
  CliSeriesOptions::add(cli);
  cli.option({"size"}, "Picture size in pixels (default 1000x500).", "WxH", "1000x500");
  cli.option({"o", "output"}, "Output file or pattern; .png or .pdf.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

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
    const std::string& out = outputs[k];
    const bool png = QFileInfo(QString::fromStdString(out)).suffix().toLower() == QLatin1String("png");
    const bool written = png ? ChartImage::writePng(out, series, size->width, size->height)
                             : ChartImage::writePdf(out, series, size->width, size->height);
    return written ? int(kExitOk) : notWritable(out);
  });
}
