#pragma once
// The record conditions as plain code: the texts the dialog starts with, the
// data-name rule (at most 16 Shift-JIS bytes, never half a double-byte
// character, nothing Shift-JIS cannot encode) and the OK checks in their
// order - the name first, then the start time.

#include "DateTexts.h"
#include "RecordingBuffer.h"

#include <cstdint>
#include <string>

constexpr int kDataNameBytes = 16;

struct RecordConditionTexts {
  DateTexts start;   // "%Y", "%m", "%d", "%H", "%M" of the start time
  std::string name;  // UTF-8
};

// From the recording's start time (local time) and the first 16 bytes of
// its data name.
RecordConditionTexts recordConditionTexts(const RecordingBuffer& recording);

// True when the name can be stored: Shift-JIS can encode it in at most 16
// bytes. The name field refuses any edit that breaks this.
bool nameFitsField(const std::string& utf8);

enum class RecordConditionCheck { Ok, NameEmpty, NameInvalid, StartInvalid };
const char* recordConditionMessage(RecordConditionCheck check);

// What an accepted dialog changes.
struct RecordConditionChange {
  int32_t startTime = 0;
  std::string name;  // Shift-JIS bytes, at most 16
};

// The OK checks; fills change when Ok. The minute is taken as typed.
RecordConditionCheck checkRecordConditions(const RecordConditionTexts& texts, RecordConditionChange& change);
