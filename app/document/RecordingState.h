#pragma once
// The program-wide recording state shared by the document, the view, the
// download and the main frame: which file is loaded, whether its record
// conditions were changed, and what the next start-time save writes.

#include <cstdint>
#include <string>

struct RecordingState {
  std::string currentDataPath;
  int dataModified = 0;
  int32_t pendingStartTime = 0;
  char pendingDataName[17] = {};
  int firstShownIndexMirror = 0;

  void setPendingName(const char* name);  // keeps at most 16 bytes
};

// The one instance of the program.
RecordingState& recordingState();
