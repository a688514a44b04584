#pragma once
// StationArchive: one station archive file - every recording of each
// station taken in, the rain of every ten-minute slot kept once - opened for
// reading or for imports. Built on SQLite's C API; callers see only the
// plain types of ArchiveTypes.h and SlotRun, never SQL.
//
// Owns its database connection, used by one thread at a time (opened
// without SQLite's own per-call locking). Opening checks what lies at the
// path before SQLite touches it (ArchiveFile.h) and the schema version
// (ArchiveSchema.h): a damaged archive, some other database and an archive
// of a newer version are refused and left exactly as they were; an older
// version is migrated (read-write only) in one transaction. A read-only file (or folder) can be
// read. Opened for reading, the archive is never written; where the file is
// writable the connection may write all the same, so that closing it folds
// the write-ahead log back and leaves no log files beside the archive.
// Connections wait up to kBusyWaitMs for another program's transaction, so
// several programs may import into one archive at once.
//
// Does not read data files or parse command lines; importing is
// RecordingImport's, called through importRecording.

#include "ArchiveTypes.h"
#include "SlotRun.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

enum class ArchiveAccess { ReadOnly, ReadWrite };

class StationArchive {
 public:
  static constexpr int kBusyWaitMs = 10000;

  // Opens the archive at path. ReadWrite creates a new archive where there is
  // no file (or an empty one). Nothing when refused; error then says why,
  // naming the file.
  static std::unique_ptr<StationArchive> open(const std::string& path, ArchiveAccess access, std::string& error);
  ~StationArchive();
  StationArchive(const StationArchive&) = delete;
  StationArchive& operator=(const StationArchive&) = delete;

  // Takes in one recording in one transaction (RecordingImport.h has the rules).
  ImportResult importRecording(const ImportRequest& request);

  // Every station with its span, counts and recordings, by name.
  bool stations(std::vector<StationSummary>& out, std::string& error) const;
  // One station; nothing (and an empty error) when there is none of that name.
  std::optional<StationSummary> station(const std::string& name, std::string& error) const;
  // The same without counts and recordings: its id and first and last slot,
  // read from the ends of the key (what a query of a span needs, at once).
  std::optional<StationSummary> stationSpan(const std::string& name, std::string& error) const;

  // The station's slots from `from` to `to` (exclusive, both lowered to a
  // multiple of 600 s): every slot of the span, those no recording covers
  // marked missing. Nothing on a database error.
  std::optional<SlotRun> slotRun(int64_t stationId, int64_t from, int64_t to, std::string& error) const;

  // SQLite's integrity check: "ok" alone, or the problems it found.
  bool integrityCheck(std::vector<std::string>& report, std::string& error) const;

  const std::string& path() const { return m_path; }

 private:
  StationArchive(sqlite3* db, std::string path) : m_db(db), m_path(std::move(path)) {}
  bool fillSpan(StationSummary& station, std::string& error) const;
  bool fillRecordings(StationSummary& station, std::string& error) const;

  sqlite3* m_db;
  std::string m_path;
};
