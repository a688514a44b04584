#include "TablePrintSettings.h"

#include "DateFields.h"

const char* const kTableFieldError = "入力した値に誤りがあります。";

std::optional<TableRequest> checkTablePrintFields(const TablePrintFields& f) {
  TableRequest r;
  r.station = f.station;
  if (f.monthly) {
    if (f.monthYear.empty() || f.month.empty()) return std::nullopt;
    r.kind = TableKind::HourlyMonth;
    r.year = readDecimalField(f.monthYear);
    r.month = readDecimalField(f.month);
  } else {
    if (f.yearYear.empty()) return std::nullopt;
    r.kind = TableKind::DailyYear;
    r.year = readDecimalField(f.yearYear);
    r.month = 1;
  }
  if (!IsValidDateTime(r.year, r.month, 1, 0, 0, 0)) return std::nullopt;
  return r;
}
