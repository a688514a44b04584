#pragma once
// Which recording-dependent commands the document allows, as one plain
// function of the document's state. Commands the document has no rule for
// are left to whoever carries them out.

#include "IntervalMode.h"

#include <optional>

struct EnablingInputs {
  bool loaded = false;     // LoadedFlag
  bool undoAvailable = false;
  bool redoAvailable = false;
  IntervalMode mode = IntervalMode::Hourly;
  int dataModified = 0;    // pending record-condition changes
  bool dataListOpen = false;
  bool notAFile = false;   // the recording was put together in memory (archive)
};

// true/false for a command the document rules on, nullopt otherwise.
std::optional<bool> documentEnables(int commandId, const EnablingInputs& in);
