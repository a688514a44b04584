#pragma once
// The window's opening of a station archive span, as plain logic: the span
// a user types (start and end date fields, read and checked by the shared
// date-field code), the span offered first, and the opening itself - the
// slots read from the archive, put together into an in-memory recording
// (ArchiveRecording.h) and shown by the document like a loaded file, with a
// status note saying where it came from and how many slots are missing.
//
// Plain functions; the dialog (CArchiveOpenDlg) only shows and forwards.

#include "ArchiveTypes.h"
#include "DateTexts.h"

#include <cstdint>
#include <optional>
#include <string>

class CHyetoscopeDoc;
class StationArchive;
class UserMessages;

// [from, to): slot starts, multiples of 600 s.
struct ArchiveSpan {
  int64_t from = 0;
  int64_t to = 0;
  int64_t slotCount() const { return (to - from) / 600; }
};

// The span first offered for a station: from the start of the day 30 days
// before its last slot (or its first slot, when later) to its end.
ArchiveSpan defaultArchiveSpan(const StationSummary& station);

// The span the fields name, cut to the station's slots. Nothing, with the
// message for the user, when a field is wrong (the dialogs' messages), the
// end is not after the start, the span holds none of the station's slots,
// or it is longer than a recording holds (59,872 slots).
std::optional<ArchiveSpan> archiveSpanOf(const DateTexts& start, const DateTexts& end, const StationSummary& station,
                                         std::string& error);

// Reads the span of the station and shows it in the document (its save
// prompt first). False after telling the user why it could not.
bool openArchiveSpan(CHyetoscopeDoc& doc, const StationArchive& archive, const StationSummary& station,
                     const ArchiveSpan& span, UserMessages& messages);
