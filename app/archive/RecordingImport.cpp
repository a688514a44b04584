#include "RecordingImport.h"

#include "ShiftJis.h"
#include "SlotRun.h"
#include "SqlStatement.h"

#include <optional>
#include <vector>

namespace {

constexpr int kProgressBlock = 4096;

// The next free id of a table: ids are given here rather than by the
// database, so that the layout needs no engine's own key generator.
std::optional<int64_t> nextId(sqlite3* db, const char* sql) {
  SqlStatement max(db, sql);
  if (!max.row()) return std::nullopt;
  return max.integer(0) + 1;
}

std::optional<int64_t> stationId(sqlite3* db, const std::string& name) {
  SqlStatement find(db, "SELECT station_id FROM stations WHERE name = ?");
  find.bind(1, name);
  if (find.row()) return find.integer(0);
  if (find.status() != SQLITE_DONE) return std::nullopt;
  const std::optional<int64_t> id = nextId(db, "SELECT COALESCE(MAX(station_id), 0) FROM stations");
  if (!id) return std::nullopt;
  SqlStatement insert(db, "INSERT INTO stations (station_id, name, note) VALUES (?, ?, NULL)");
  if (!insert.bind(1, *id).bind(2, name).run()) return std::nullopt;
  return id;
}

// Everything of one import that runs inside its transaction. false on a
// database error (result.message says which).
class ImportTransaction {
 public:
  ImportTransaction(sqlite3* db, const ImportRequest& request, const SlotRun& run, ImportResult& result)
      : m_db(db), m_request(request), m_run(run), m_result(result) {}

  bool run() {
    if (!findEarlierCopy()) return false;
    if (m_result.status == ImportStatus::AlreadyImported) return true;
    const std::optional<int64_t> station = stationId(m_db, m_result.station);
    if (!station) return fail();
    m_station = *station;
    if (m_request.note && !setNote()) return false;
    if (!compareWithArchive()) return false;
    if (m_result.conflictCount > 0 && !m_request.replace) {
      m_result.status = ImportStatus::Conflict;
      return true;
    }
    if (!insertRecording() || !writeSlots()) return false;
    m_result.status = ImportStatus::Imported;
    return true;
  }

 private:
  bool fail() {
    m_result.status = ImportStatus::Failed;
    m_result.message = sqlError(m_db);
    return false;
  }

  bool setNote() {
    SqlStatement update(m_db, "UPDATE stations SET note = ? WHERE station_id = ?");
    return update.bind(1, *m_request.note).bind(2, m_station).run() || fail();
  }

  bool findEarlierCopy() {
    SqlStatement same(m_db,
                      "SELECT r.recording_id, s.name FROM recordings r JOIN stations s ON s.station_id = r.station_id "
                      "WHERE r.sha256 = ?");
    same.bind(1, m_request.sha256);
    if (same.row()) {
      m_result.status = ImportStatus::AlreadyImported;
      m_result.recordingId = same.integer(0);
      m_result.station = same.text(1);
      return true;
    }
    return same.status() == SQLITE_DONE || fail();
  }

  // What the station holds over the recording's span, slot by slot.
  bool compareWithArchive() {
    const size_t n = m_run.tenths.size();
    m_held.assign(n, SlotRun::kMissing);
    m_heldFrom.assign(n, 0);
    SqlStatement held(m_db,
                      "SELECT slot_time, rain_tenths, recording_id FROM slots "
                      "WHERE station_id = ? AND slot_time >= ? AND slot_time < ? ORDER BY slot_time");
    held.bind(1, m_station).bind(2, m_run.start).bind(3, m_run.end());
    while (held.row()) {
      const size_t i = static_cast<size_t>((held.integer(0) - m_run.start) / SlotRun::kSlotSeconds);
      m_held[i] = static_cast<int32_t>(held.integer(1));
      m_heldFrom[i] = held.integer(2);
    }
    if (held.status() != SQLITE_DONE) return fail();
    for (size_t i = 0; i < n; ++i) {
      if (m_held[i] == SlotRun::kMissing) {
        ++m_result.newSlots;
      } else if (m_held[i] == m_run.tenths[i]) {
        ++m_result.equalSlots;
      } else {
        if (m_result.conflicts.size() < kConflictsReported)
          m_result.conflicts.push_back({m_run.slotTime(i), m_held[i], m_run.tenths[i]});
        ++m_result.conflictCount;
      }
    }
    return true;
  }

  bool insertRecording() {
    const std::optional<int64_t> id = nextId(m_db, "SELECT COALESCE(MAX(recording_id), 0) FROM recordings");
    if (!id) return fail();
    m_result.recordingId = *id;
    const RecordingBuffer& rec = *m_request.recording;
    SqlStatement insert(m_db,
                        "INSERT INTO recordings (recording_id, station_id, source_path, sha256, data_name, start_time, "
                        "record_interval, version_word, sample_count, imported_at, replaced_slots) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, *id)
        .bind(2, m_station)
        .bind(3, m_request.sourcePath)
        .bind(4, m_request.sha256)
        .bind(5, decodeShiftJisField(rec.dataName, sizeof rec.dataName))
        .bind(6, int64_t(rec.startTime))
        .bind(7, int64_t(rec.recordInterval()))
        .bind(8, int64_t(rec.versionWord))
        .bind(9, int64_t(rec.sampleCount()))
        .bind(10, m_request.importTime)
        .bind(11, int64_t(m_result.conflictCount));
    return insert.run() || fail();
  }

  bool writeSlots() {
    SqlStatement insert(m_db, "INSERT INTO slots (station_id, slot_time, rain_tenths, recording_id) VALUES (?, ?, ?, ?)");
    SqlStatement logOld(m_db,
                        "INSERT INTO slot_replacements (recording_id, slot_time, old_rain_tenths, old_recording_id) "
                        "VALUES (?, ?, ?, ?)");
    SqlStatement update(m_db,
                        "UPDATE slots SET rain_tenths = ?, recording_id = ? WHERE station_id = ? AND slot_time = ?");
    const int64_t id = m_result.recordingId;
    int written = 0;
    for (size_t i = 0; i < m_run.tenths.size(); ++i) {
      const int64_t t = m_run.slotTime(i);
      const int32_t v = m_run.tenths[i];
      if (m_held[i] == SlotRun::kMissing) {
        insert.reset();
        if (!insert.bind(1, m_station).bind(2, t).bind(3, int64_t(v)).bind(4, id).run()) return fail();
      } else if (m_held[i] != v) {
        logOld.reset();
        if (!logOld.bind(1, id).bind(2, t).bind(3, int64_t(m_held[i])).bind(4, m_heldFrom[i]).run()) return fail();
        update.reset();
        if (!update.bind(1, int64_t(v)).bind(2, id).bind(3, m_station).bind(4, t).run()) return fail();
        ++m_result.replacedSlots;
      } else {
        continue;
      }
      if (++written % kProgressBlock == 0 && m_request.progress) m_request.progress(written);
    }
    if (m_request.progress) m_request.progress(written);
    return true;
  }

  sqlite3* m_db;
  const ImportRequest& m_request;
  const SlotRun& m_run;
  ImportResult& m_result;
  int64_t m_station = 0;
  std::vector<int32_t> m_held;
  std::vector<int64_t> m_heldFrom;
};

}  // namespace

ImportResult importRecordingInto(sqlite3* db, const ImportRequest& request) {
  ImportResult result;
  const RecordingBuffer& rec = *request.recording;
  result.station = request.station.empty() ? decodeShiftJisField(rec.dataName, sizeof rec.dataName) : request.station;
  const std::optional<SlotRun> run = recordingSlots(rec);
  if (!run) {
    result.status = ImportStatus::SeriesRefused;
    return result;
  }
  if (result.station.empty()) {
    result.status = ImportStatus::NoStation;
    return result;
  }
  // Taken for writing at once, so that two importers queue rather than both
  // reading and then failing to write.
  if (!sqlExec(db, "BEGIN IMMEDIATE")) {
    result.status = ImportStatus::Failed;
    result.message = sqlError(db);
    return result;
  }
  ImportTransaction transaction(db, request, *run, result);
  const bool keep = transaction.run() && result.status == ImportStatus::Imported;
  if (keep && sqlExec(db, "COMMIT")) return result;
  if (keep) {
    result.status = ImportStatus::Failed;
    result.message = sqlError(db);
  }
  sqlExec(db, "ROLLBACK");
  return result;
}
