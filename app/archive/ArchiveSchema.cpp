#include "ArchiveSchema.h"

#include "SqlStatement.h"

#include <string>

namespace {

constexpr const char* kFormatName = "hyetoscope station archive";

constexpr const char* kCreate[] = {
    "CREATE TABLE archive_meta ("
    " meta_key VARCHAR(40) NOT NULL PRIMARY KEY,"
    " meta_value VARCHAR(200) NOT NULL)",

    "CREATE TABLE stations ("
    " station_id INTEGER NOT NULL PRIMARY KEY,"
    " name VARCHAR(200) NOT NULL UNIQUE,"
    " note VARCHAR(2000))",

    "CREATE TABLE recordings ("
    " recording_id INTEGER NOT NULL PRIMARY KEY,"
    " station_id INTEGER NOT NULL REFERENCES stations (station_id),"
    " source_path VARCHAR(4096) NOT NULL,"
    " sha256 CHAR(64) NOT NULL UNIQUE,"
    " data_name VARCHAR(200) NOT NULL,"
    " start_time BIGINT NOT NULL,"
    " record_interval INTEGER NOT NULL,"
    " version_word INTEGER NOT NULL,"
    " sample_count INTEGER NOT NULL,"
    " imported_at BIGINT NOT NULL,"
    " replaced_slots INTEGER NOT NULL)",

    "CREATE TABLE slots ("
    " station_id INTEGER NOT NULL REFERENCES stations (station_id),"
    " slot_time BIGINT NOT NULL,"
    " rain_tenths INTEGER NOT NULL CHECK (rain_tenths >= 0),"
    " recording_id INTEGER NOT NULL REFERENCES recordings (recording_id),"
    " PRIMARY KEY (station_id, slot_time))"
    // SQLite's storage clause: the rows are kept in key order, so a span of
    // a station is one range read and an import one insert per slot. Server
    // databases cluster by the primary key their own way and drop it.
    " WITHOUT ROWID",

    "CREATE TABLE slot_replacements ("
    " recording_id INTEGER NOT NULL REFERENCES recordings (recording_id),"
    " slot_time BIGINT NOT NULL,"
    " old_rain_tenths INTEGER NOT NULL,"
    " old_recording_id INTEGER NOT NULL REFERENCES recordings (recording_id),"
    " PRIMARY KEY (recording_id, slot_time))",
};

// Every column each table of the current version has: an archive whose
// tables cannot answer these is not one this program can use.
constexpr const char* kColumnProbes[] = {
    "SELECT meta_key, meta_value FROM archive_meta WHERE 1 = 0",
    "SELECT station_id, name, note FROM stations WHERE 1 = 0",
    "SELECT recording_id, station_id, source_path, sha256, data_name, start_time, record_interval, "
    "version_word, sample_count, imported_at, replaced_slots FROM recordings WHERE 1 = 0",
    "SELECT station_id, slot_time, rain_tenths, recording_id FROM slots WHERE 1 = 0",
    "SELECT recording_id, slot_time, old_rain_tenths, old_recording_id FROM slot_replacements WHERE 1 = 0",
};

// The statements that take version k to k + 1, by k; none yet (version 1
// is the first layout).
const char* const* migrationSteps(int fromVersion) {
  (void)fromVersion;
  return nullptr;
}

bool setMeta(sqlite3* db, const char* key, const std::string& value) {
  SqlStatement update(db, "UPDATE archive_meta SET meta_value = ? WHERE meta_key = ?");
  return update.bind(1, value).bind(2, std::string(key)).run();
}

}  // namespace

bool createArchiveSchema(sqlite3* db, std::string& error) {
  for (const char* sql : kCreate) {
    if (!sqlExec(db, sql)) {
      error = sqlError(db);
      return false;
    }
  }
  SqlStatement insert(db, "INSERT INTO archive_meta (meta_key, meta_value) VALUES (?, ?)");
  if (!insert.bind(1, std::string("format")).bind(2, std::string(kFormatName)).run()) {
    error = sqlError(db);
    return false;
  }
  insert.reset();
  if (!insert.bind(1, std::string("schema_version")).bind(2, std::to_string(kArchiveSchemaVersion)).run()) {
    error = sqlError(db);
    return false;
  }
  return true;
}

SchemaState inspectArchiveSchema(sqlite3* db) {
  SchemaState state;
  SqlStatement meta(db, "SELECT meta_key, meta_value FROM archive_meta");
  if (!meta.ok()) {
    const int code = sqlite3_errcode(db);
    state.detail = sqlError(db);
    // A readable database without the table is some other database.
    state.kind = code == SQLITE_ERROR ? SchemaState::Kind::NotArchive : SchemaState::Kind::Unreadable;
    return state;
  }
  std::string format;
  std::string version;
  while (meta.row()) {
    if (meta.text(0) == "format") format = meta.text(1);
    if (meta.text(0) == "schema_version") version = meta.text(1);
  }
  if (meta.status() != SQLITE_DONE) {
    state.detail = sqlError(db);
    return state;
  }
  if (format != kFormatName || version.empty() || version.find_first_not_of("0123456789") != std::string::npos ||
      version.size() > 6) {
    state.kind = SchemaState::Kind::NotArchive;
    state.detail = "it has no station archive version";
    return state;
  }
  state.version = std::stoi(version);
  if (state.version > kArchiveSchemaVersion) {
    state.kind = SchemaState::Kind::Newer;
    return state;
  }
  if (state.version < kArchiveSchemaVersion) {
    state.kind = SchemaState::Kind::Older;
    return state;
  }
  for (const char* probe : kColumnProbes) {
    SqlStatement columns(db, probe);
    if (!columns.ok() || !columns.run()) {
      state.kind = SchemaState::Kind::NotArchive;
      state.detail = sqlError(db);
      return state;
    }
  }
  state.kind = SchemaState::Kind::Current;
  return state;
}

bool migrateArchiveSchema(sqlite3* db, std::string& error) {
  if (!sqlExec(db, "BEGIN IMMEDIATE")) {
    error = sqlError(db);
    return false;
  }
  // Read again under the lock: another program may have migrated it.
  const SchemaState now = inspectArchiveSchema(db);
  bool ok = now.kind == SchemaState::Kind::Current || now.kind == SchemaState::Kind::Older;
  if (!ok) error = now.detail;
  for (int version = now.version; ok && now.kind == SchemaState::Kind::Older && version < kArchiveSchemaVersion;
       ++version) {
    const char* const* steps = migrationSteps(version);
    if (steps == nullptr) {
      error = "no migration is known from schema version (" + std::to_string(version) + ")";
      ok = false;
      break;
    }
    for (; ok && *steps != nullptr; ++steps) ok = sqlExec(db, *steps);
    if (!ok && error.empty()) error = sqlError(db);
  }
  ok = ok && setMeta(db, "schema_version", std::to_string(kArchiveSchemaVersion));
  if (ok && !sqlExec(db, "COMMIT")) {
    error = sqlError(db);
    ok = false;
  }
  if (!ok) sqlExec(db, "ROLLBACK");
  return ok;
}
