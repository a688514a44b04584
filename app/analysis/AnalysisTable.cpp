#include "AnalysisTable.h"

namespace {
void appendJsonString(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  out += '"';
}
}  // namespace

void AnalysisTable::appendCsv(std::string& out) const {
  for (size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) out += ',';
    out += columns[c];
  }
  out += '\n';
  for (const auto& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      if (c > 0) out += ',';
      out += row[c].text;
    }
    out += '\n';
  }
}

void AnalysisTable::appendJson(std::string& out) const {
  out += '[';
  for (size_t r = 0; r < rows.size(); ++r) {
    out += r == 0 ? "\n{" : ",\n{";
    for (size_t c = 0; c < columns.size() && c < rows[r].size(); ++c) {
      if (c > 0) out += ',';
      appendJsonString(out, columns[c]);
      out += ':';
      const TableCell& cell = rows[r][c];
      if (cell.text.empty()) out += "null";
      else if (cell.number) out += cell.text;
      else appendJsonString(out, cell.text);
    }
    out += '}';
  }
  out += rows.empty() ? "]\n" : "\n]\n";
}
