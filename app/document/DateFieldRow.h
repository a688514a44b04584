#pragma once
// One row of date fields as the date-entry dialogs lay it out: a label,
// then year, month, day, hour and minute edits, each followed by its unit,
// each unit the buddy of its edit and the label the buddy of the year. The
// year takes four characters, the others two.

#include "DateFields.h"
#include "ExportRange.h"

#include <array>

class QGridLayout;
class QLineEdit;
class QWidget;

using DateFieldEdits = std::array<QLineEdit*, 5>;

// Edits are named "edit<id>" from ids (five control numbers).
void addDateRow(QGridLayout* grid, int row, const char* label, DateFieldEdits& fields, const int (&ids)[5],
                QWidget* parent);

DateTexts dateTextsOf(const DateFieldEdits& fields);
CalendarFields calendarFieldsOf(const DateFieldEdits& fields);  // seconds 0
