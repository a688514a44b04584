#include "RecordingState.h"

#include <cstring>

void RecordingState::setPendingName(const char* name) {
  std::memset(pendingDataName, 0, sizeof pendingDataName);
  if (name != nullptr) std::memcpy(pendingDataName, name, strnlen(name, sizeof pendingDataName - 1));
}

RecordingState& recordingState() {
  static RecordingState state;
  return state;
}
