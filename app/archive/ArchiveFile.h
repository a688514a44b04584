#pragma once
// What lies at an archive's path before SQLite is let near it: nothing, an
// empty file, something that is not an SQLite database, a database file
// shorter than its own header says (cut off by a copy or a full disk), or a
// whole database file. Reads the first 100 bytes and the size; never writes.

#include <string>

enum class ArchiveFileKind { Absent, Empty, NotSqlite, Truncated, Unreadable, Database };

ArchiveFileKind inspectArchiveFile(const std::string& path);
