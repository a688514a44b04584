#pragma once
// The bundled sample recordings as the tool's tests read them: loaded
// through the data-file library as the window loads them, and a tool's
// text output split into lines.

#include "CLogstore1App.h"
#include "FileImage.h"
#include "RecordingBuffer.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

inline std::unique_ptr<RecordingBuffer> loadRecording(const std::string& path) {
  auto image = std::make_unique<FileImage>();
  logstore::CLogstore1App store;
  if (!store.BfileToBuff(path.c_str(), image->bytes)) return nullptr;
  auto rec = std::make_unique<RecordingBuffer>();
  copyFileImage(*image, *rec);
  return rec;
}

inline std::vector<std::string> textLines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}
