// archive: the station archive - import recordings into it, list what it
// holds, check it; export and table are in CliArchiveExport.cpp and
// CliArchiveTable.cpp, maxima and events in CliArchiveAnalysis.cpp.
#include "CliArchive.h"

#include "CliBatch.h"
#include "CliCommands.h"
#include "CliExit.h"
#include "CliInterrupt.h"
#include "CliParser.h"
#include "LocalTime.h"
#include "Sha256.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

struct ArchiveAction {
  const char* name;
  const char* summary;
  int (*run)(const QStringList& arguments);  // null: the drawing program runs it
};

constexpr ArchiveAction kActions[] = {
    {"import", "Take recordings into the archive, each whole or not at all.", runArchiveImport},
    {"list", "List the stations, their spans, missing slots and recordings.", runArchiveList},
    {"export", "Write a station's rainfall over any span as the export does.", runArchiveExport},
    {"table", "Print a station's monthly or yearly rainfall sheet into a PDF.", nullptr},
    {"maxima", "Write a station's maximum rainfall by duration over the whole archive.", runArchiveMaxima},
    {"events", "Write a station's storm events over the whole archive.", runArchiveEvents},
    {"check", "Run SQLite's integrity check on the archive.", runArchiveCheck},
};

int archiveOverview(bool toStdout) {
  FILE* out = toStdout ? stdout : stderr;
  std::fputs(
      "Usage: hyetoscope-cli archive ACTION --db FILE [options]\n"
      "A station archive keeps every recording of each station in one SQLite file, the rain of every\n"
      "ten-minute slot once; slots no recording covers are missing, never zero rain.\n\nActions:\n",
      out);
  for (const ArchiveAction& a : kActions) std::fprintf(out, "  %-8s %s\n", a.name, a.summary);
  std::fputs("\n'hyetoscope-cli archive ACTION --help' describes each action.\n", out);
  return toStdout ? kExitOk : kExitUsage;
}

std::string conflictText(const SlotConflict& c) {
  char text[96];
  std::snprintf(text, sizeof text, "%s archive %.1f mm, file %.1f mm", slotLabel(c.slotTime).c_str(),
                c.archivedTenths / 10.0, c.incomingTenths / 10.0);
  return text;
}

}  // namespace

std::unique_ptr<StationArchive> openArchiveForCli(const CliParser& cli, ArchiveAccess access, int& exitCode) {
  if (!cli.isSet("db")) {
    exitCode = cli.usageError("--db FILE is required");
    return nullptr;
  }
  std::string error;
  std::unique_ptr<StationArchive> archive = StationArchive::open(cli.value("db"), access, error);
  if (!archive) exitCode = cliFail(kExitBadInput, error);
  return archive;
}

std::optional<StationSummary> archiveStationForCli(const StationArchive& archive, const std::string& name,
                                                   int& exitCode) {
  std::string error;
  std::optional<StationSummary> station = archive.stationSpan(name, error);
  if (!error.empty()) exitCode = cliFail(kExitBadInput, "archive " + archive.path() + ": " + error);
  else if (!station) exitCode = cliFail(kExitBadInput, "archive " + archive.path() + " has no station '" + name + "'");
  else if (!station->hasSlots) exitCode = cliFail(kExitBadInput, "station '" + name + "' holds no slots");
  else return station;
  return std::nullopt;
}

std::optional<SlotRun> archiveSlotsForCli(const StationArchive& archive, const StationSummary& station, int64_t from,
                                          int64_t to, int& exitCode) {
  std::string error;
  std::optional<SlotRun> run = archive.slotRun(station.id, from, to, error);
  if (!run) exitCode = cliFail(kExitBadInput, "archive " + archive.path() + ": " + error);
  return run;
}

std::string slotLabel(int64_t t) { return formatLocal(t, "%Y/%m/%d %H:%M"); }

int runArchive(const QStringList& arguments) {
  if (arguments.isEmpty()) return archiveOverview(false);
  const std::string action = arguments.front().toStdString();
  if (action == "--help" || action == "-h" || action == "help") return archiveOverview(true);
  for (const ArchiveAction& a : kActions)
    if (action == a.name)
      return a.run != nullptr ? a.run(arguments.mid(1))
                              : cliFail(kExitUsage, "archive " + action + " runs in the drawing program");
  cliFail(kExitUsage, "archive: unknown action '" + action + "'");
  return archiveOverview(false);
}

int runArchiveImport(const QStringList& arguments) {
  CliParser cli("archive import", "--db FILE [--station NAME] [--note TEXT] [--replace] HYY...",
                "Takes recordings into the archive, each in one transaction: a file lands whole or not at all. "
                "The same file again (same SHA-256) is reported as already imported. Slots the station already "
                "holds with the same rain are kept once; a slot whose rain differs refuses the whole file and "
                "the first few such slots are reported, unless --replace is given, which takes the file's "
                "values and records that it did. A file that is refused does not stop the others; the exit "
                "code then is 2. The archive is created when it does not exist.");
  cli.argument("HYY", "Recordings (HYY data files).");
  cli.option({"db"}, "The archive file.", "FILE");
  cli.option({"station"}, "Station to file the recordings under (default: each recording's data name).", "NAME");
  cli.option({"replace"}, "Slots whose rain differs take the new file's values.");
  cli.option({"note"}, "Note of the station, kept with it and shown by list (set with each file that goes in).",
             "TEXT");
  if (int done = cli.parse(arguments, 1, -1); done >= 0) return done;
  int status = kExitOk;
  const std::unique_ptr<StationArchive> archive = openArchiveForCli(cli, ArchiveAccess::ReadWrite, status);
  if (!archive) return status;

  std::vector<OutputFields> inputs;
  for (const std::string& path : cli.positional()) inputs.push_back({path, "", ""});
  size_t accepted = 0;
  const int result = forEachRecording(inputs, [&](CliRecording& file, size_t) {
    const std::string& path = file.path();
    if (!file.selectInterval(IntervalMode::TenMinute)) return cliFail(kExitBadInput, file.message());
    const std::optional<std::string> sha = sha256OfFile(path);
    if (!sha) return cliFail(kExitBadInput, path + ": cannot be read");
    ImportRequest request;
    request.recording = &file.doc().recording();
    request.sourcePath = path;
    request.sha256 = *sha;
    request.station = cli.value("station");
    request.replace = cli.isSet("replace");
    if (cli.isSet("note")) request.note = cli.value("note");
    request.importTime = static_cast<int64_t>(std::time(nullptr));
    const ImportResult r = archive->importRecording(request);
    switch (r.status) {
      case ImportStatus::Imported:
        std::printf("%s: imported into '%s': %d new slots, %d already held", path.c_str(), r.station.c_str(),
                    r.newSlots, r.equalSlots);
        if (r.replacedSlots > 0) std::printf(", %d replaced", r.replacedSlots);
        std::printf("\n");
        ++accepted;
        return int(kExitOk);
      case ImportStatus::AlreadyImported:
        std::printf("%s: already imported (station '%s')\n", path.c_str(), r.station.c_str());
        ++accepted;
        return int(kExitOk);
      case ImportStatus::Conflict: {
        std::string text = path + ": not imported: " + std::to_string(r.conflictCount) +
                           " slots of station '" + r.station + "' hold other rain (";
        for (size_t i = 0; i < r.conflicts.size(); ++i) text += (i ? "; " : "") + conflictText(r.conflicts[i]);
        if (size_t(r.conflictCount) > r.conflicts.size()) text += "; ...";
        text += "); --replace takes the file's values";
        return cliFail(kExitBadInput, text);
      }
      case ImportStatus::SeriesRefused:
        return cliFail(kExitBadInput, path + ": its ten-minute series cannot be built");
      case ImportStatus::NoStation:
        return cliFail(kExitBadInput, path + ": the recording has no data name; give --station");
      case ImportStatus::Failed:
        return cliFail(kExitBadInput, path + ": not imported: " + r.message);
    }
    return int(kExitOk);
  });
  // Files the recording loader refused were reported by it.
  if (result != kExitOk && result != kExitInterrupted)
    cliFail(result, "archive import: " + std::to_string(inputs.size() - accepted) + " of " +
                        std::to_string(inputs.size()) + " files refused; the others went in");
  return result;
}

int runArchiveList(const QStringList& arguments) {
  CliParser cli("archive list", "--db FILE",
                "Lists the stations of the archive: for each its first and last slot, the slots held and the "
                "slots missing between them, and the recordings imported (start, samples, the slots the "
                "archive keeps from each, import time, source path, SHA-256).");
  cli.option({"db"}, "The archive file.", "FILE");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;
  int status = kExitOk;
  const std::unique_ptr<StationArchive> archive = openArchiveForCli(cli, ArchiveAccess::ReadOnly, status);
  if (!archive) return status;
  std::vector<StationSummary> stations;
  std::string error;
  if (!archive->stations(stations, error)) return cliFail(kExitBadInput, "archive " + archive->path() + ": " + error);
  for (const StationSummary& s : stations) {
    std::printf("station '%s'\n", s.name.c_str());
    if (!s.note.empty()) std::printf("  note: %s\n", s.note.c_str());
    if (s.hasSlots)
      std::printf("  slots %s - %s: %lld held, %lld missing\n", slotLabel(s.firstSlot).c_str(),
                  slotLabel(s.lastSlot).c_str(), static_cast<long long>(s.slotCount),
                  static_cast<long long>(s.missingCount));
    for (const RecordingSummary& r : s.recordings) {
      std::printf("  recording %lld: start %s, %d samples, %lld slots held", static_cast<long long>(r.id),
                  formatLocal(r.startTime, "%Y/%m/%d %H:%M:%S").c_str(), r.sampleCount,
                  static_cast<long long>(r.slotsHeld));
      if (r.replacedSlots > 0) std::printf(", %d replaced", r.replacedSlots);
      std::printf(", imported %s\n    %s  sha256 %s\n", formatLocal(r.importTime, "%Y/%m/%d %H:%M").c_str(),
                  r.sourcePath.c_str(), r.sha256.c_str());
    }
  }
  return kExitOk;
}

int runArchiveCheck(const QStringList& arguments) {
  CliParser cli("archive check", "--db FILE",
                "Runs SQLite's integrity check on the archive and prints its report: 'ok', or the problems "
                "found (exit code 2).");
  cli.option({"db"}, "The archive file.", "FILE");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;
  int status = kExitOk;
  const std::unique_ptr<StationArchive> archive = openArchiveForCli(cli, ArchiveAccess::ReadOnly, status);
  if (!archive) return status;
  std::vector<std::string> report;
  std::string error;
  if (!archive->integrityCheck(report, error)) return cliFail(kExitBadInput, "archive " + archive->path() + ": " + error);
  for (const std::string& line : report) std::printf("%s\n", line.c_str());
  const bool ok = report.size() == 1 && report.front() == "ok";
  return ok ? int(kExitOk) : cliFail(kExitBadInput, "archive " + archive->path() + " is damaged");
}
