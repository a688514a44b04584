// chart: the window's bar chart of each file as a PNG or PDF picture.
#include "ChartImage.h"
#include "CliArguments.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliRecording.h"
#include "CliSeriesOptions.h"

#include <QFileInfo>

int runChart(const QStringList& arguments) {
  CliParser cli("chart", "[options] -o OUT.png|OUT.pdf FILE...",
                "Draws the rainfall bar chart of each data file as the window draws it, into a PNG "
                "picture or a one-page PDF. With several files, -o is a pattern such as "
                "'{stem}-{interval}.png' ({stem}, {name}, {dir}, {interval}).");
  cli.argument("FILE", "HYY data files.");
  CliSeriesOptions::add(cli);
  cli.option({"vmax"}, "Top of the millimetre axis (default: the window's, 100 mm for hours, 400 for days, "
             "50 for 10 minutes, 800 for months).", "MM");
  cli.option({"size"}, "Picture size in pixels (default 1000x500).", "WxH", "1000x500");
  cli.option({"o", "output"}, "Output file or pattern; .png or .pdf.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  CliSeriesOptions shown;
  if (int done = shown.read(cli); done >= 0) return done;
  const auto size = parsePixelSize(cli.value("size"));
  if (!size) return cli.usageError("size '" + cli.value("size") + "' is not WxH between 16 and 20000");
  std::optional<int> vmax;
  if (cli.isSet("vmax")) {
    vmax = parseBoundedInt(cli.value("vmax"), 1, 1000000);
    if (!vmax) return cli.usageError("--vmax '" + cli.value("vmax") + "' is not a whole number of millimetres");
  }
  if (!cli.isSet("output")) return cli.usageError("-o OUT is required");
  const QString suffix = QFileInfo(QString::fromStdString(cli.value("output"))).suffix().toLower();
  if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
    return cli.usageError("the output must end in .png or .pdf");

  std::vector<OutputFields> inputs;
  for (const std::string& path : cli.positional()) inputs.push_back({path, intervalName(shown.interval()), ""});
  const OutputPlan plan = planOutputs(cli.value("output"), inputs);
  if (!plan.error.empty()) return cli.usageError(plan.error);

  CliRecording file;
  int status = kExitOk;
  for (size_t k = 0; k < inputs.size(); ++k) {
    // One bad file does not stop the others; the exit code still tells.
    if (!file.open(inputs[k].input)) {
      status = cliFail(kExitBadInput, file.message());
      continue;
    }
    if (int failed = shown.apply(file); failed >= 0) {
      status = failed;
      continue;
    }
    DisplaySeries& series = file.doc().series();
    if (vmax) series.verticalMax = *vmax;
    const std::string& out = plan.outputs[k];
    const bool written = suffix == QLatin1String("png") ? ChartImage::writePng(out, series, size->width, size->height)
                                                        : ChartImage::writePdf(out, series, size->width, size->height);
    if (!written) status = cliFail(kExitBadInput, out + " に書き込めません。");
  }
  return status;
}
