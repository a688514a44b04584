#pragma once
// A bundled sample loaded the way the program loads it: through the
// data-file library into a file image, then copied into a RecordingBuffer.
// For benchmarks and screenshot programs; null (after a message on stderr)
// when the file does not load.

#include "CLogstore1App.h"
#include "RecordingBuffer.h"

#include <cstdio>
#include <memory>

inline std::unique_ptr<RecordingBuffer> loadSampleRecording(const char* path) {
  auto image = std::make_unique<FileImage>();
  logstore::CLogstore1App store;
  if (!store.BfileToBuff(path, image->bytes)) {
    std::fprintf(stderr, "cannot load %s\n", path);
    return nullptr;
  }
  auto rec = std::make_unique<RecordingBuffer>();
  copyFileImage(*image, *rec);
  return rec;
}
