#pragma once
// What the archive subcommands (CliArchive*.cpp) share: opening the archive
// named by --db with the tool's messages and exit codes, finding a station,
// and the slot-time label of their reports. The subcommands themselves are
// run through runArchive (CliCommands.h).

#include "StationArchive.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CliParser;

// Opens the archive --db names; without --db, or when the archive refuses,
// prints the message and sets exitCode (usage, bad input).
std::unique_ptr<StationArchive> openArchiveForCli(const CliParser& cli, ArchiveAccess access, int& exitCode);

// The station of that name with at least one slot; otherwise prints why
// and sets exitCode.
std::optional<StationSummary> archiveStationForCli(const StationArchive& archive, const std::string& name,
                                                   int& exitCode);

// The station's slots from `from` to `to` (exclusive); on a database error
// prints it and sets exitCode.
std::optional<SlotRun> archiveSlotsForCli(const StationArchive& archive, const StationSummary& station, int64_t from,
                                          int64_t to, int& exitCode);

// "2024/07/01 13:00" (local time, UTC+9).
std::string slotLabel(int64_t t);

// The archive actions behind runArchive (table: behind the drawing program's
// dispatch, CliDrawingCommands.h).
int runArchiveImport(const QStringList& arguments);
int runArchiveList(const QStringList& arguments);
int runArchiveCheck(const QStringList& arguments);
int runArchiveExport(const QStringList& arguments);
int runArchiveTable(const QStringList& arguments);
int runArchiveMaxima(const QStringList& arguments);
int runArchiveEvents(const QStringList& arguments);
