#pragma once
// ScaleSettings: what the two scale dialogs check and compute, without the
// dialogs: the vertical maximum typed as a number of millimetres, and the
// start and end of the horizontal window typed field by field. The dialogs
// (CVerticalScaleDlg, CHorizontalScaleDlg) only show fields and messages.

#include "DateFields.h"
#include "IntervalMode.h"

#include <cstdint>
#include <optional>
#include <string>

struct RecordingBuffer;

// Texts of the two dialogs and their messages.
namespace scaletext {
extern const char* const kVerticalTitle;
extern const char* const kVerticalLabel;
extern const char* const kMillimetres;
extern const char* const kVerticalNote1;
extern const char* const kVerticalNote2;
extern const char* const kHorizontalTitle;
extern const char* const kHorizontalGroup;
extern const char* const kStartLabel;
extern const char* const kEndLabel;
extern const char* const kCancel;
extern const char* const kUnits[5];  // 年 月 日 時 分
extern const char* const kValueWrong;
extern const char* const kDateWrong;
extern const char* const kStartWrong;
extern const char* const kEndWrong;
}  // namespace scaletext

// The text the vertical dialog opens with: the mode's maximum, or its
// default when none is set.
std::string verticalScaleText(int currentMax, IntervalMode mode);
// The maximum an accepted text sets: 5 to 1000, brought to the nearest
// multiple of 10 (halves up). Nothing for any other text.
std::optional<int> verticalScaleValue(const std::string& text);

// The horizontal dialog's limits: the recording's first ten-minute slot and
// the end of its last sample plus one interval.
struct HorizontalBounds {
  int64_t lower = 0;
  int64_t upper = 0;
};
HorizontalBounds horizontalBounds(const RecordingBuffer& recording);

// A row is pre-filled for a bound with dateTextsAt (DateFields.h).

struct HorizontalCheck {
  const char* message = nullptr;  // nullptr: accepted
  int64_t start = 0;
  int64_t end = 0;
};
// The checks of the dialog's OK, in order: the start date, the end date,
// the start against the recording, the end against it, the end after the
// start.
HorizontalCheck checkHorizontalRange(const DateTexts& start, const DateTexts& end,
                                     const HorizontalBounds& bounds);
