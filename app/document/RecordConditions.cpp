#include "RecordConditions.h"

#include "DateFields.h"
#include "LocalTime.h"
#include "ShiftJis.h"

#include <cstdio>

namespace {
std::string twoDigits(int v) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", v);
  return text;
}
}  // namespace

RecordConditionTexts recordConditionTexts(const RecordingBuffer& recording) {
  RecordConditionTexts t;
  const struct tm f = toLocal(recording.startTime);
  t.start.year = std::to_string(f.tm_year + 1900);
  t.start.month = twoDigits(f.tm_mon + 1);
  t.start.day = twoDigits(f.tm_mday);
  t.start.hour = twoDigits(f.tm_hour);
  t.start.minute = twoDigits(f.tm_min);
  t.name = decodeShiftJisField(recording.dataName, kDataNameBytes);
  return t;
}

bool nameFitsField(const std::string& utf8) {
  const std::optional<std::string> bytes = encodeShiftJis(utf8);
  return bytes && bytes->size() <= static_cast<size_t>(kDataNameBytes);
}

const char* recordConditionMessage(RecordConditionCheck check) {
  switch (check) {
    case RecordConditionCheck::NameEmpty: return "ﾃﾞｰﾀ名を入力してください。";
    case RecordConditionCheck::NameInvalid:
      return "ﾃﾞｰﾀ名は16ﾊﾞｲﾄ(全角8文字)以内の、ｼﾌﾄJISで表せる文字で入力してください。";
    case RecordConditionCheck::StartInvalid: return "開始時間に誤りがあります。";
    case RecordConditionCheck::Ok: break;
  }
  return "";
}

RecordConditionCheck checkRecordConditions(const RecordConditionTexts& texts, RecordConditionChange& change) {
  if (texts.name.empty()) return RecordConditionCheck::NameEmpty;
  const std::optional<std::string> bytes = encodeShiftJis(texts.name);
  if (!bytes || bytes->size() > static_cast<size_t>(kDataNameBytes)) return RecordConditionCheck::NameInvalid;
  const std::optional<int32_t> start = validLocalTime(calendarFieldsOf(texts.start));
  if (!start) return RecordConditionCheck::StartInvalid;
  change.startTime = *start;
  change.name = *bytes;
  return RecordConditionCheck::Ok;
}
