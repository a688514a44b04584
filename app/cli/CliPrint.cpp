// print: the chart page with its summary and the value-list pages, as the
// window's print command makes them, into a PDF.
#include "CliArguments.h"
#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliRecording.h"
#include "CliSeriesOptions.h"
#include "GraphPages.h"
#include "PdfFileOutput.h"

#include <climits>
#include <cstdlib>
#include <ctime>

namespace {
int64_t printClock() {
  // SOURCE_DATE_EPOCH, the usual variable for reproducible output, fixes
  // the print time written on the page.
  if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    const long long t = std::strtoll(fixed, &end, 10);
    if (end != fixed && *end == '\0' && t >= 0 && t <= INT32_MAX) return t;
  }
  return static_cast<int64_t>(std::time(nullptr));
}
}  // namespace

int runPrint(const QStringList& arguments) {
  CliParser cli("print", "[options] -o OUT.pdf FILE...",
                "Prints the chart page (chart, data name, maximum, count, average, interval and range) and the "
                "value-list pages of each data file into a PDF, A4, as the window's print command makes them. "
                "With several files, -o is a pattern such as '{stem}-{interval}.pdf'. The print time on the "
                "page is the clock's, or SOURCE_DATE_EPOCH when it is set.");
  cli.argument("FILE", "HYY data files.");
  CliSeriesOptions::add(cli);
  cli.option({"landscape"}, "Landscape pages (six value-list columns instead of three).");
  cli.option({"o", "output"}, "Output PDF file or pattern.", "OUT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;

  CliSeriesOptions shown;
  if (int done = shown.read(cli); done >= 0) return done;
  std::vector<OutputFields> inputs;
  for (const std::string& path : cli.positional()) inputs.push_back({path, intervalName(shown.interval()), ""});
  std::vector<std::string> outputs;
  if (int done = planBatchOutputs(cli, inputs, {"pdf"}, outputs); done >= 0) return done;
  const PaperOrientation orientation = cli.isSet("landscape") ? PaperOrientation::Landscape : PaperOrientation::Portrait;

  return forEachRecording(inputs, [&](CliRecording& file, size_t k) {
    if (int failed = shown.apply(file); failed >= 0) return failed;
    GraphPrintData data;
    data.series = &file.doc().series();
    data.loaded = true;
    data.dataName = printDataName(file.doc().recording());
    data.printTime = printClock();
    return printGraphToPdf(outputs[k], data, orientation) > 0 ? int(kExitOk) : notWritable(outputs[k]);
  });
}
