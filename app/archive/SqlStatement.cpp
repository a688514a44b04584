#include "SqlStatement.h"

SqlStatement::SqlStatement(sqlite3* db, const char* sql) : m_db(db) {
  m_status = sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr);
  if (m_status != SQLITE_OK) {
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
  }
}

SqlStatement::~SqlStatement() { sqlite3_finalize(m_statement); }

SqlStatement& SqlStatement::bind(int i, int64_t value) {
  if (m_statement) sqlite3_bind_int64(m_statement, i, value);
  return *this;
}

SqlStatement& SqlStatement::bind(int i, const std::string& text) {
  if (m_statement) sqlite3_bind_text(m_statement, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  return *this;
}

SqlStatement& SqlStatement::bindNull(int i) {
  if (m_statement) sqlite3_bind_null(m_statement, i);
  return *this;
}

bool SqlStatement::row() {
  if (!m_statement) return false;
  m_status = sqlite3_step(m_statement);
  return m_status == SQLITE_ROW;
}

bool SqlStatement::run() {
  while (row()) {
  }
  return m_status == SQLITE_DONE;
}

void SqlStatement::reset() {
  if (!m_statement) return;
  sqlite3_reset(m_statement);
  sqlite3_clear_bindings(m_statement);
}

std::string SqlStatement::text(int column) const {
  const unsigned char* p = sqlite3_column_text(m_statement, column);
  if (p == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(sqlite3_column_bytes(m_statement, column)));
}

bool sqlExec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

std::string sqlError(sqlite3* db) { return sqlite3_errmsg(db); }
