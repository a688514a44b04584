// archive maxima, archive events: the rain analysis over everything the
// archive holds of one station, from its first slot to its last, with the
// options, columns and bytes of 'maxima' and 'events'. The slots no
// recording covers go to the analysis as missing: a window touching one is
// not counted, an event never bridges one and is flagged 'gap' beside it.
#include "AnalysisTables.h"
#include "CliAnalysisOptions.h"
#include "CliArchive.h"
#include "CliBatch.h"
#include "CliExit.h"
#include "CliParser.h"

#include <cstdio>
#include <functional>
#include <vector>

namespace {

void addStationOptions(CliParser& cli) {
  cli.option({"db"}, "The archive file.", "FILE");
  cli.option({"station"}, "The station.", "NAME");
}

// Runs text over the station's slots and writes the bytes to -o (whole or
// not at all) or standard output.
int analyseStation(const CliParser& cli, const std::function<std::string(const RainSlots&)>& text) {
  int status = kExitOk;
  const std::unique_ptr<StationArchive> archive = openArchiveForCli(cli, ArchiveAccess::ReadOnly, status);
  if (!archive) return status;
  const std::optional<StationSummary> station = archiveStationForCli(*archive, cli.value("station"), status);
  if (!station) return status;
  const std::optional<SlotRun> run =
      archiveSlotsForCli(*archive, *station, station->firstSlot, station->lastSlot + SlotRun::kSlotSeconds, status);
  if (!run) return status;
  std::vector<double> mm(run->tenths.size());
  for (size_t i = 0; i < mm.size(); ++i) mm[i] = run->isMissing(i) ? kMissingMm : run->tenths[i] / 10.0;
  const std::string bytes = text(RainSlots{run->start, mm});
  if (!cli.isSet("output")) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
    return written ? int(kExitOk) : notWritable("standard output");
  }
  return writeWholeFile(cli.value("output"), bytes) ? int(kExitOk) : notWritable(cli.value("output"));
}

}  // namespace

int runArchiveMaxima(const QStringList& arguments) {
  CliParser cli("archive maxima", "--db FILE --station NAME [options] [-o OUT]",
                "Writes the maximum rainfall by duration of a station over everything the archive holds of it, "
                "as 'maxima' writes a recording's: for 10min to 72h the largest sum over a window and its end, "
                "for the whole span, each calendar year or each month (UTC+9). A window touching a missing "
                "slot (one no recording covers) is not counted; a period without a whole window has an empty "
                "value.");
  addStationOptions(cli);
  addPeriodOption(cli);
  addFormatOption(cli);
  cli.option({"o", "output"}, "Output file; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;
  if (!cli.isSet("station")) return cli.usageError("--station NAME is required");
  PeriodKind kind = PeriodKind::Whole;
  if (int done = readPeriodOption(cli, kind); done >= 0) return done;
  bool json = false;
  if (int done = readFormatOption(cli, json); done >= 0) return done;
  return analyseStation(cli, [&](const RainSlots& rain) {
    return analysisTableText(maximaTable(rainfallMaxima(rain, kind)), json);
  });
}

int runArchiveEvents(const QStringList& arguments) {
  CliParser cli("archive events", "--db FILE --station NAME [options] [-o OUT]",
                "Writes the storm events of a station over everything the archive holds of it, as 'events' "
                "writes a recording's: wet spells split by dry gaps of at least --gap, one line per event. "
                "An event never bridges a missing slot (one no recording covers); an event that ends or "
                "starts beside one is flagged 'gap'.");
  addStationOptions(cli);
  addEventOptions(cli);
  addFormatOption(cli);
  cli.option({"o", "output"}, "Output file; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;
  if (!cli.isSet("station")) return cli.usageError("--station NAME is required");
  StormEventOptions options;
  if (int done = readEventOptions(cli, options); done >= 0) return done;
  bool json = false;
  if (int done = readFormatOption(cli, json); done >= 0) return done;
  return analyseStation(cli, [&](const RainSlots& rain) {
    return analysisTableText(eventTable(findStormEvents(rain, options), options.alarms), json);
  });
}
