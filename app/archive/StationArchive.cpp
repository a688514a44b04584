#include "StationArchive.h"

#include "ArchiveFile.h"
#include "ArchiveSchema.h"
#include "RecordingImport.h"
#include "SqlStatement.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace {

void closeDb(sqlite3* db) { sqlite3_close_v2(db); }

bool configure(sqlite3* db) {
  sqlite3_busy_timeout(db, StationArchive::kBusyWaitMs);
  // Five years of a station are some 8 MB of pages: keep them cached.
  return sqlExec(db, "PRAGMA foreign_keys = ON") && sqlExec(db, "PRAGMA cache_size = -32768");
}

// A new archive is made whole under a temporary name and then linked into
// place, so no other program ever sees it half made; when one got there
// first, its archive is used.
bool createArchive(const std::string& path, std::string& error) {
  std::string temp = path + ".tmp-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    error = "cannot be created here";
    return false;
  }
  ::close(fd);
  sqlite3* db = nullptr;
  bool ok = sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK && configure(db);
  if (ok) {
    SqlStatement wal(db, "PRAGMA journal_mode = WAL");
    ok = wal.row() && wal.text(0) == "wal";
  }
  ok = ok && sqlExec(db, "BEGIN") && createArchiveSchema(db, error) && sqlExec(db, "COMMIT");
  if (!ok && error.empty()) error = sqlError(db);
  closeDb(db);
  if (ok && ::link(temp.c_str(), path.c_str()) != 0 && errno != EEXIST) {
    error = "cannot be created here";
    ok = false;
  }
  ::unlink(temp.c_str());
  return ok;
}

std::string refusal(const std::string& path, const std::string& why) { return "archive " + path + ": " + why; }

// Opens path and reads its schema. db is null (and error set) when SQLite
// cannot open it at all. A file the user may write is opened for writing
// even to be read, so that closing the last connection folds the
// write-ahead log back and removes it (a read-only connection would leave
// the log files beside the archive); nothing is written before the schema
// was accepted. A write-ahead-logged file whose lock files cannot be made
// (a read-only folder) is read as it lies: nobody can be writing it.
SchemaState readSchema(const std::string& path, sqlite3*& db, std::string& error) {
  db = nullptr;
  const int flags = (::access(path.c_str(), W_OK) == 0 ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK || !configure(db)) {
    error = refusal(path, sqlError(db));
    closeDb(db);
    db = nullptr;
    return {};
  }
  SchemaState schema = inspectArchiveSchema(db);
  if (schema.kind != SchemaState::Kind::Unreadable || sqlite3_errcode(db) != SQLITE_CANTOPEN) return schema;
  closeDb(db);
  db = nullptr;
  std::string uri = "file:";
  for (char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      static const char kHex[] = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[static_cast<unsigned char>(c) >> 4];
      uri += kHex[c & 15];
    } else {
      uri += c;
    }
  }
  uri += "?immutable=1";
  if (sqlite3_open_v2(uri.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK ||
      !configure(db)) {
    error = refusal(path, sqlError(db));
    closeDb(db);
    db = nullptr;
    return {};
  }
  return inspectArchiveSchema(db);
}

}  // namespace

std::unique_ptr<StationArchive> StationArchive::open(const std::string& path, ArchiveAccess access,
                                                     std::string& error) {
  const bool write = access == ArchiveAccess::ReadWrite;
  ArchiveFileKind kind = inspectArchiveFile(path);
  if (write && (kind == ArchiveFileKind::Absent || kind == ArchiveFileKind::Empty)) {
    std::string why;
    if (kind == ArchiveFileKind::Empty) ::unlink(path.c_str());  // an empty file holds nothing to lose
    if (!createArchive(path, why)) {
      error = refusal(path, why);
      return nullptr;
    }
    kind = inspectArchiveFile(path);
  }
  switch (kind) {
    case ArchiveFileKind::Absent: error = refusal(path, "no such file"); return nullptr;
    case ArchiveFileKind::Empty: error = refusal(path, "the file is empty, not an archive"); return nullptr;
    case ArchiveFileKind::NotSqlite: error = refusal(path, "not an archive (not an SQLite database)"); return nullptr;
    case ArchiveFileKind::Truncated:
      error = refusal(path, "the file is damaged (shorter than the database it holds); it was left as it is");
      return nullptr;
    case ArchiveFileKind::Unreadable: error = refusal(path, "cannot be read"); return nullptr;
    case ArchiveFileKind::Database: break;
  }

  sqlite3* db = nullptr;
  SchemaState schema = readSchema(path, db, error);
  if (db == nullptr) return nullptr;
  std::string why;
  switch (schema.kind) {
    case SchemaState::Kind::Current: break;
    case SchemaState::Kind::Newer:
      why = "written by a newer version of the program (schema version " + std::to_string(schema.version) +
            "; this one reads up to " + std::to_string(kArchiveSchemaVersion) + "); it was left as it is";
      break;
    case SchemaState::Kind::Older:
      if (!write)
        why = "an older schema version (" + std::to_string(schema.version) +
              "); import into it once to bring it up to date";
      break;
    case SchemaState::Kind::NotArchive: why = "not a station archive (" + schema.detail + ")"; break;
    case SchemaState::Kind::Unreadable: why = "the file is damaged (" + schema.detail + "); it was left as it is"; break;
  }
  if (why.empty() && write && sqlite3_db_readonly(db, "main") != 0) why = "the file is read-only";
  if (!why.empty()) {
    error = refusal(path, why);
    closeDb(db);
    return nullptr;
  }
  if (!write) return std::unique_ptr<StationArchive>(new StationArchive(db, path));
  if (schema.kind == SchemaState::Kind::Older && !migrateArchiveSchema(db, why)) {
    error = refusal(path, "cannot be brought up to date: " + why);
    closeDb(db);
    return nullptr;
  }
  // Archives made by this program are write-ahead logged already; one
  // rewritten by other tools is put back.
  SqlStatement wal(db, "PRAGMA journal_mode = WAL");
  if (!wal.row()) {
    error = refusal(path, sqlError(db));
    closeDb(db);
    return nullptr;
  }
  return std::unique_ptr<StationArchive>(new StationArchive(db, path));
}

StationArchive::~StationArchive() { closeDb(m_db); }

ImportResult StationArchive::importRecording(const ImportRequest& request) { return importRecordingInto(m_db, request); }

bool StationArchive::fillSpan(StationSummary& station, std::string& error) const {
  // Each alone, so that SQLite answers them from the key's ends.
  SqlStatement first(m_db, "SELECT MIN(slot_time) FROM slots WHERE station_id = ?");
  SqlStatement last(m_db, "SELECT MAX(slot_time) FROM slots WHERE station_id = ?");
  first.bind(1, station.id);
  last.bind(1, station.id);
  if (!first.row() || !last.row()) {
    error = sqlError(m_db);
    return false;
  }
  station.hasSlots = !first.isNull(0);
  station.firstSlot = first.integer(0);
  station.lastSlot = last.integer(0);
  return true;
}

bool StationArchive::fillRecordings(StationSummary& station, std::string& error) const {
  if (!fillSpan(station, error)) return false;
  SqlStatement recordings(m_db,
                          "SELECT recording_id, source_path, sha256, data_name, start_time, record_interval, "
                          "version_word, sample_count, imported_at, replaced_slots FROM recordings "
                          "WHERE station_id = ? ORDER BY recording_id");
  recordings.bind(1, station.id);
  while (recordings.row()) {
    RecordingSummary r;
    r.id = recordings.integer(0);
    r.sourcePath = recordings.text(1);
    r.sha256 = recordings.text(2);
    r.dataName = recordings.text(3);
    r.startTime = recordings.integer(4);
    r.recordInterval = static_cast<int>(recordings.integer(5));
    r.versionWord = static_cast<int>(recordings.integer(6));
    r.sampleCount = static_cast<int>(recordings.integer(7));
    r.importTime = recordings.integer(8);
    r.replacedSlots = static_cast<int>(recordings.integer(9));
    station.recordings.push_back(std::move(r));
  }
  if (recordings.status() != SQLITE_DONE) {
    error = sqlError(m_db);
    return false;
  }
  SqlStatement held(m_db, "SELECT recording_id, COUNT(*) FROM slots WHERE station_id = ? GROUP BY recording_id");
  held.bind(1, station.id);
  while (held.row()) {
    station.slotCount += held.integer(1);
    for (RecordingSummary& r : station.recordings)
      if (r.id == held.integer(0)) r.slotsHeld = held.integer(1);
  }
  if (held.status() != SQLITE_DONE) {
    error = sqlError(m_db);
    return false;
  }
  if (station.hasSlots)
    station.missingCount = (station.lastSlot - station.firstSlot) / SlotRun::kSlotSeconds + 1 - station.slotCount;
  return true;
}

bool StationArchive::stations(std::vector<StationSummary>& out, std::string& error) const {
  out.clear();
  SqlStatement list(m_db, "SELECT station_id, name, note FROM stations ORDER BY name");
  while (list.row()) {
    StationSummary s;
    s.id = list.integer(0);
    s.name = list.text(1);
    s.note = list.text(2);
    out.push_back(std::move(s));
  }
  if (list.status() != SQLITE_DONE) {
    error = sqlError(m_db);
    return false;
  }
  for (StationSummary& s : out)
    if (!fillRecordings(s, error)) return false;
  return true;
}

std::optional<StationSummary> StationArchive::station(const std::string& name, std::string& error) const {
  std::optional<StationSummary> s = stationSpan(name, error);
  if (s && !fillRecordings(*s, error)) return std::nullopt;
  return s;
}

std::optional<StationSummary> StationArchive::stationSpan(const std::string& name, std::string& error) const {
  error.clear();
  SqlStatement find(m_db, "SELECT station_id, name, note FROM stations WHERE name = ?");
  find.bind(1, name);
  if (!find.row()) {
    if (find.status() != SQLITE_DONE) error = sqlError(m_db);
    return std::nullopt;
  }
  StationSummary s;
  s.id = find.integer(0);
  s.name = find.text(1);
  s.note = find.text(2);
  if (!fillSpan(s, error)) return std::nullopt;
  return s;
}

std::optional<SlotRun> StationArchive::slotRun(int64_t stationId, int64_t from, int64_t to, std::string& error) const {
  auto lower = [](int64_t t) { return t - ((t % SlotRun::kSlotSeconds) + SlotRun::kSlotSeconds) % SlotRun::kSlotSeconds; };
  SlotRun run;
  run.start = lower(from);
  const int64_t end = lower(to);
  if (end > run.start) run.tenths.assign(static_cast<size_t>((end - run.start) / SlotRun::kSlotSeconds), SlotRun::kMissing);
  SqlStatement query(m_db,
                     "SELECT slot_time, rain_tenths FROM slots WHERE station_id = ? AND slot_time >= ? AND slot_time < ?");
  query.bind(1, stationId).bind(2, run.start).bind(3, end);
  while (query.row())
    run.tenths[static_cast<size_t>((query.integer(0) - run.start) / SlotRun::kSlotSeconds)] =
        static_cast<int32_t>(query.integer(1));
  if (query.status() != SQLITE_DONE) {
    error = sqlError(m_db);
    return std::nullopt;
  }
  return run;
}

bool StationArchive::integrityCheck(std::vector<std::string>& report, std::string& error) const {
  report.clear();
  SqlStatement check(m_db, "PRAGMA integrity_check");
  while (check.row()) report.push_back(check.text(0));
  if (check.status() != SQLITE_DONE) {
    error = sqlError(m_db);
    return false;
  }
  return true;
}
