#pragma once
// The plain values the station archive takes and gives: what an import is
// asked to do and what came of it, and what the archive holds per station
// and recording. No SQL and no database handles appear here.

#include "RecordingBuffer.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// One recording to take in.
struct ImportRequest {
  const RecordingBuffer* recording = nullptr;
  std::string sourcePath;   // as given; kept for the list
  std::string sha256;       // of the file's bytes (Sha256.h)
  std::string station;      // UTF-8; empty: the recording's data name
  bool replace = false;     // a slot that differs takes the new value
  // When set, becomes the station's note, with the file (only when it goes in).
  std::optional<std::string> note;
  int64_t importTime = 0;   // seconds since 1970 (UTC)
  // Called inside the import's transaction after every block of slots
  // written, with the count so far (progress display).
  std::function<void(int slotsWritten)> progress;
};

// A slot whose archived rain differs from the new recording's.
struct SlotConflict {
  int64_t slotTime = 0;
  int32_t archivedTenths = 0;
  int32_t incomingTenths = 0;
};

enum class ImportStatus {
  Imported,         // the file's slots are in (new ones added, equal ones kept once)
  AlreadyImported,  // a file with the same SHA-256 is in the archive; nothing changed
  Conflict,         // slots differ and replace was off; nothing of the file is in
  SeriesRefused,    // the recording cannot be built into ten-minute slots
  NoStation,        // no station given and the recording has no data name
  Failed,           // the database refused (message says why); nothing of the file is in
};

struct ImportResult {
  ImportStatus status = ImportStatus::Failed;
  std::string station;              // the station the file went to (or would have)
  int64_t recordingId = 0;          // Imported: the new recording; AlreadyImported: the earlier one
  int newSlots = 0;                 // slots the archive did not hold
  int equalSlots = 0;               // slots it held with the same rain
  int replacedSlots = 0;            // slots it held with other rain, replaced (replace on)
  int conflictCount = 0;            // slots with other rain
  std::vector<SlotConflict> conflicts;  // the first few of them, in time order
  std::string message;              // Failed: the database's words
};

// How many conflicts an import keeps for its report.
constexpr size_t kConflictsReported = 5;

struct RecordingSummary {
  int64_t id = 0;
  std::string sourcePath;
  std::string sha256;
  std::string dataName;      // UTF-8
  int64_t startTime = 0;
  int recordInterval = 0;
  int versionWord = 0;
  int sampleCount = 0;
  int64_t importTime = 0;
  int replacedSlots = 0;     // slots it replaced when imported with replace on
  int64_t slotsHeld = 0;     // slots whose rain the archive now keeps from it
};

struct StationSummary {
  int64_t id = 0;
  std::string name;
  std::string note;
  bool hasSlots = false;
  int64_t firstSlot = 0;     // start of the first slot held (when hasSlots)
  int64_t lastSlot = 0;      // start of the last slot held
  int64_t slotCount = 0;
  int64_t missingCount = 0;  // slots between the first and the last that no recording covers
  std::vector<RecordingSummary> recordings;  // in import order
};
