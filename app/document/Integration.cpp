#include "Integration.h"

#include <cstdio>

const char* integrationMessage(IntegrationCheck check) {
  switch (check) {
    case IntegrationCheck::StartInvalid: return "積算開始日時が正しく入力されていません。";
    case IntegrationCheck::EndInvalid: return "積算終了日時が正しく入力されていません。";
    case IntegrationCheck::StartNotBeforeEnd: return "\"積算開始日時 ≧ 積算終了日時\" になっています。";
    case IntegrationCheck::StartOutside: return "積算開始日時がﾃﾞｰﾀの時刻範囲外です。";
    case IntegrationCheck::EndOutside: return "積算終了日時がﾃﾞｰﾀの時刻範囲外です。";
    case IntegrationCheck::Ok: break;
  }
  return "";
}

bool integrationFocusOnStart(IntegrationCheck check) {
  return check != IntegrationCheck::EndInvalid && check != IntegrationCheck::EndOutside;
}

IntegrationResult integrate(const RainSeries& tenMinute, CalendarFields startFields, CalendarFields endFields) {
  IntegrationResult r;
  startFields.second = 0;
  endFields.second = 0;
  const std::optional<int32_t> startTime = validLocalTime(startFields);
  if (!startTime) {
    r.check = IntegrationCheck::StartInvalid;
    return r;
  }
  const std::optional<int32_t> endTime = validLocalTime(endFields);
  if (!endTime) {
    r.check = IntegrationCheck::EndInvalid;
    return r;
  }
  const int64_t start = *startTime;
  const int64_t end = *endTime;
  if (start >= end) {
    r.check = IntegrationCheck::StartNotBeforeEnd;
    return r;
  }
  const int64_t b = tenMinute.startTime;
  const int count = tenMinute.values ? tenMinute.valueCount : 0;
  const int64_t e = b + 600LL * count;
  if (start + 60 < b || start > e) {
    r.check = IntegrationCheck::StartOutside;
    return r;
  }
  if (end < b || end > e) {
    r.check = IntegrationCheck::EndOutside;
    return r;
  }
  for (int i = 0; i < count; ++i) {
    const int64_t g = b + 600LL * i;
    if (start <= g && g < end) {
      if (tenMinute.isMissing(i))
        ++r.missingSlots;
      else
        r.sum += tenMinute.values[i];
    }
    if (g + 600 > end) break;
  }
  return r;
}

std::string integrationMissingText(int missingSlots) {
  if (missingSlots <= 0) return {};
  return "積算期間に欠測が " + std::to_string(missingSlots) +
         " 個(10分)あります。\n積算結果は欠測を除いた値の合計です。";
}

std::string integrationText(double sum) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(static_cast<float>(sum)));
  return text;
}
