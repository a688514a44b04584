#pragma once
// The outcome of checking a range typed into two rows of date fields, and
// the message each failure shows.

enum class RangeCheck { Ok, DateInvalid, StartInvalid, EndInvalid };

// The message of a failed check ("" for Ok).
const char* rangeCheckMessage(RangeCheck check);
