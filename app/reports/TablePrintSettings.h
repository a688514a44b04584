#pragma once
// TablePrintSettings: the fields of the table print settings dialog and their
// check, as plain code. The dialog only shows the fields and says the error
// text when the check refuses them.

#include "TableSnapshot.h"

#include <optional>
#include <string>

// "入力した値に誤りがあります。"
extern const char* const kTableFieldError;

struct TablePrintFields {
  bool monthly = true;     // "月間時間雨量" chosen (else "年間日雨量")
  std::string monthYear;   // year of the monthly table, at most 4 characters
  std::string month;       // at most 2
  std::string yearYear;    // year of the yearly table, at most 4
  std::string station;     // at most 24 characters, may be empty
};

struct TableRequest {
  TableKind kind = TableKind::HourlyMonth;
  int year = 0;
  int month = 1;  // 1 for the yearly table
  std::string station;
};

// The request the fields name, or nothing when a needed field is blank or
// the date is not one a recording can hold (month 1-12, year 1970 or later).
std::optional<TableRequest> checkTablePrintFields(const TablePrintFields& fields);
