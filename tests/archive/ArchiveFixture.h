#pragma once
// Recordings of one station made in memory for the archive tests: every
// piece is cut from one "true" rain sequence, so overlapping pieces agree
// slot by slot as successive downloads of one logger do, and a piece with
// some words changed disagrees where it was changed.

#include "RecordingFixture.h"
#include "Sha256.h"
#include "StationArchive.h"
#include "TestClock.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace archive_test {

// Raw 0.5-mm words of slot k of the station's rain: dry spells and showers,
// no two neighbouring slots alike for long.
inline uint16_t trueWord(int k) { return static_cast<uint16_t>(k % 7 == 0 ? 0 : (k * 37 + 11) % 5); }

// Slots first..first+count-1 of the true rain from origin.
inline std::unique_ptr<RecordingBuffer> piece(int64_t origin, int first, int count) {
  std::vector<uint16_t> words;
  for (int k = first; k < first + count; ++k) words.push_back(trueWord(k));
  auto rec = makeRecording(static_cast<int32_t>(origin + 600LL * first), words);
  std::memcpy(rec->dataName, "STATION", 7);
  return rec;
}

// A request naming the recording by a digest of its own samples, as its
// file would be named by the digest of its bytes.
inline ImportRequest request(const RecordingBuffer& rec, bool replace = false) {
  Sha256 sha;
  sha.update(&rec.startTime, sizeof rec.startTime);
  sha.update(rec.samples, sizeof(uint16_t) * static_cast<size_t>(rec.sampleCount()));
  ImportRequest r;
  r.recording = &rec;
  r.sourcePath = "piece.hyy";
  r.sha256 = sha.finishHex();
  r.replace = replace;
  r.importTime = 1700000000;
  return r;
}

inline std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Everything a station holds, slot by slot, for before/after comparisons.
inline std::vector<int32_t> allSlots(const StationArchive& archive, const std::string& station, int64_t from,
                                     int64_t to) {
  std::string error;
  const auto s = archive.station(station, error);
  if (!s) return {};
  const auto run = archive.slotRun(s->id, from, to, error);
  return run ? run->tenths : std::vector<int32_t>{};
}

}  // namespace archive_test
