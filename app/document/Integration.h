#pragma once
// Integration of the ten-minute rainfall between two entered moments, as the
// data list computes it: the checks in their order, each with its message
// and the field that gets the focus, and the sum. Plain code.

#include "DateFields.h"
#include "RainSeries.h"

#include <string>

enum class IntegrationCheck { Ok, StartInvalid, EndInvalid, StartNotBeforeEnd, StartOutside, EndOutside };

struct IntegrationResult {
  IntegrationCheck check = IntegrationCheck::Ok;
  double sum = 0;
  // Ten-minute slots in the span that no recording covers (a recording from
  // the station archive): left out of the sum, never counted as 0 mm.
  int missingSlots = 0;
};

// The message of a failed check ("" for Ok), and whether the start row's
// year field (true) or the end row's (false) takes the focus.
const char* integrationMessage(IntegrationCheck check);
bool integrationFocusOnStart(IntegrationCheck check);

// Checks the start and end fields (seconds are taken as 0) and sums the
// ten-minute values whose slot starts in [start, end). A start up to 60 s
// before the series start is accepted.
IntegrationResult integrate(const RainSeries& tenMinute, CalendarFields start, CalendarFields end);

// What the list says after a sum that left missing slots out ("" when
// none were): the sum is that of the known values only.
std::string integrationMissingText(int missingSlots);

// The result as the list shows it: single precision, "%g".
std::string integrationText(double sum);
