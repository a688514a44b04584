#pragma once
// Taking one recording into the archive, the rules users rely on:
//  - the recording's logger samples become slots (SlotRun's recordingSlots:
//    the series builder's closing 0 is never stored); a recording whose
//    series cannot be built is refused (SeriesRefused) before anything is
//    read or written;
//  - the whole file goes in inside one transaction, or nothing of it: a
//    process killed mid-import leaves the archive as it was;
//  - a file whose SHA-256 is already there is "already imported" and changes
//    nothing;
//  - a slot the station already holds with the same rain is kept once (it
//    stays with the recording it came from first);
//  - a slot held with other rain is a conflict: nothing of the file goes in
//    and the first few conflicts and their count are reported, unless
//    replace is on: then the new values go in, the old ones are logged in
//    slot_replacements and the recording counts how many it replaced;
//  - a note given with the request becomes the station's note when the
//    file goes in (it is part of the file's transaction).
// Internal to the archive (StationArchive::importRecording calls it).

#include "ArchiveTypes.h"

#include <sqlite3.h>

ImportResult importRecordingInto(sqlite3* db, const ImportRequest& request);
