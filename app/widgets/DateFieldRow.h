#pragma once
// Parts every date-entry dialog lays out the same way.
//
// One row of date fields as the date-entry dialogs lay it out: a label,
// then year, month, day, hour and minute edits, each followed by its unit,
// each unit the buddy of its edit and the label the buddy of the year. The
// year takes four characters, the others two.

#include "DateFields.h"
#include "ExportRange.h"

#include <array>
#include <functional>

class QDialog;
class QObject;
class QRadioButton;
class QGridLayout;
class QVBoxLayout;
class QLineEdit;
class QWidget;

using DateFieldEdits = std::array<QLineEdit*, 5>;

// Edits are named "edit<id>" from ids (five control numbers).
void addDateRow(QGridLayout* grid, int row, const char* label, DateFieldEdits& fields, const int (&ids)[5],
                QWidget* parent);

DateTexts dateTextsOf(const DateFieldEdits& fields);
CalendarFields calendarFieldsOf(const DateFieldEdits& fields);  // seconds 0

// The column of a settings dialog's two buttons: the default button with
// okText (accepts) over "ｷｬﾝｾﾙ" (rejects).
QVBoxLayout* okCancelColumn(QDialog* dialog, const char* okText);

// Runs chosen whenever radio becomes checked, whatever checked it (a click,
// the arrow keys, a screen reader's toggle action, code), and when a click
// lands on it while it is already checked (the same choice made again).
// Connections live as long as context.
void onRadioChosen(QRadioButton* radio, QObject* context, std::function<void()> chosen);
