#pragma once
// SqlStatement: one prepared statement on an open SQLite connection, with
// the binding, stepping and column reading the archive uses, finalized when
// the object goes. Internal to the archive: nothing outside app/archive/
// includes it or sees SQL. Errors are results; lastError() words them.

#include <sqlite3.h>

#include <cstdint>
#include <string>

class SqlStatement {
 public:
  SqlStatement(sqlite3* db, const char* sql);
  ~SqlStatement();
  SqlStatement(const SqlStatement&) = delete;
  SqlStatement& operator=(const SqlStatement&) = delete;

  bool ok() const { return m_statement != nullptr; }
  // Binds parameter i (1-based).
  SqlStatement& bind(int i, int64_t value);
  SqlStatement& bind(int i, const std::string& text);
  SqlStatement& bindNull(int i);
  // One step: true while a row is there (read it with the column getters).
  bool row();
  // Runs to the end; false on an error.
  bool run();
  // Ready to run again with new bindings.
  void reset();

  int64_t integer(int column) const { return sqlite3_column_int64(m_statement, column); }
  std::string text(int column) const;
  bool isNull(int column) const { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }
  // The last result code of a step (SQLITE_ROW, SQLITE_DONE or an error).
  int status() const { return m_status; }

 private:
  sqlite3* m_db;
  sqlite3_stmt* m_statement = nullptr;
  int m_status = SQLITE_OK;
};

// Runs statements without results ("BEGIN", DDL). false on an error.
bool sqlExec(sqlite3* db, const char* sql);
// The connection's last error, in SQLite's words.
std::string sqlError(sqlite3* db);
