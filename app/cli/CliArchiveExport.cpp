// archive export: a station's rainfall over any span, across recordings, as
// the export writes a recording's: the same lines and formats (--iso too).
// An interval value with a missing slot is written empty, and the ISO form
// counts the missing slots of each value.
#include "AtomicFile.h"
#include "CliArchive.h"
#include "CliArguments.h"
#include "CliBatch.h"
#include "CliExit.h"
#include "CliParser.h"
#include "CliSeriesOptions.h"
#include "IsoExport.h"
#include "SlotSeries.h"
#include "TextExport.h"

#include <cstdio>
#include <optional>

int runArchiveExport(const QStringList& arguments) {
  CliParser cli("archive export", "--db FILE --station NAME [options] [-o OUT]",
                "Writes a station's rainfall, summed to one interval, as delimited text: the lines of the export "
                "(the same formats as 'export'), over any span, whichever recordings hold it. Each interval "
                "from the one --from lies in to the one before --to is written; without them, from the "
                "station's first slot to its last. A value with a missing slot (one no recording covers) "
                "is written empty; with --iso a 'missing' column counts the missing slots in each.");
  cli.option({"db"}, "The archive file.", "FILE");
  cli.option({"station"}, "The station.", "NAME");
  cli.option({"i", "interval"}, "10min, hour (default), day or month.", "INTERVAL", "hour");
  cli.option({"from"}, "First slot: YYYY-MM-DD or 'YYYY-MM-DD HH:MM' (UTC+9).", "T");
  cli.option({"to"}, "End of the span, exclusive; same forms as --from.", "T");
  cli.option({"sep"}, "Separator: comma (default), tab, space or semicolon.", "SEP", "comma");
  cli.option({"iso"}, "A header line, then start and end as ISO 8601 times (+09:00), the rainfall and the "
                      "number of missing slots.");
  cli.option({"o", "output"}, "Output file; standard output when absent.", "OUT");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;
  if (!cli.isSet("station")) return cli.usageError("--station NAME is required");
  const auto mode = parseInterval(cli.value("interval"));
  if (!mode) return cli.usageError("unknown interval '" + cli.value("interval") + "'");
  const auto separator = parseSeparator(cli.value("sep"));
  if (!separator) return cli.usageError("unknown separator '" + cli.value("sep") + "'");
  std::optional<int64_t> from, to;
  if (int done = readTimeRange(cli, from, to); done >= 0) return done;

  int status = kExitOk;
  const std::unique_ptr<StationArchive> archive = openArchiveForCli(cli, ArchiveAccess::ReadOnly, status);
  if (!archive) return status;
  const std::optional<StationSummary> station = archiveStationForCli(*archive, cli.value("station"), status);
  if (!station) return status;
  const int64_t start = from ? *from : station->firstSlot;
  const int64_t end = to ? *to : station->lastSlot + SlotRun::kSlotSeconds;
  if (end <= start) return cliFail(kExitBadInput, std::string("--to: ") + kBadEndText);
  // Whole intervals: from the one the start lies in to the one holding the
  // last slot before the end.
  const int64_t first = bucketContaining(*mode, start);
  const int64_t last = nextBucketStart(*mode, bucketContaining(*mode, end - SlotRun::kSlotSeconds));
  const std::optional<SlotRun> run = archiveSlotsForCli(*archive, *station, first, last, status);
  if (!run) return status;
  const std::unique_ptr<RainSeries> series = buildSlotSeries(*mode, *run);
  const ExportRequest request{*mode, series->startTime, 0, series->valueCount, *separator};
  std::string bytes;
  if (cli.isSet("iso")) appendIsoExportLines(*series, request, bytes);
  else appendExportLines(*series, request, bytes);

  if (!cli.isSet("output")) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
    return written ? int(kExitOk) : notWritable("standard output");
  }
  const std::string path = cli.value("output");
  logstore::AtomicFile file;
  if (file.begin(path) && file.write(bytes.data(), bytes.size()) && file.commit()) return kExitOk;
  file.abandon();
  return notWritable(path);
}
