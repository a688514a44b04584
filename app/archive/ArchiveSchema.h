#pragma once
// ArchiveSchema: the tables of the station archive, their version and the
// checks an archive passes before it is used. The layout is described in
// docs/archive-schema.md. The SQL is plain standard SQL (types, keys,
// references, checks) so that the same layout can move to a server
// database; only connection settings are SQLite's own.
//
// Owns no connection: every function works on the one it is given and runs
// inside whatever transaction the caller holds, except migrate, which runs
// its own.

#include <sqlite3.h>

#include <string>

// The layout this program writes and reads.
constexpr int kArchiveSchemaVersion = 1;

// Creates every table and the version rows (the caller holds a transaction).
bool createArchiveSchema(sqlite3* db, std::string& error);

struct SchemaState {
  enum class Kind { Current, Older, Newer, NotArchive, Unreadable };
  Kind kind = Kind::Unreadable;
  int version = 0;
  std::string detail;  // NotArchive and Unreadable: what was wrong
};

// Reads the version and checks that every table has the columns this
// version needs. Reads only.
SchemaState inspectArchiveSchema(sqlite3* db);

// Brings an older layout to the current one in one transaction: all the
// steps or none. false with error when a step fails (nothing changed).
bool migrateArchiveSchema(sqlite3* db, std::string& error);
