#include "ScaleSettings.h"

#include "Calendar.h"
#include "ChartNavigation.h"
#include "RecordingBuffer.h"

namespace scaletext {
const char* const kVerticalTitle = "縦軸ｽｹｰﾙ設定";
const char* const kVerticalLabel = "縦軸最大値";
const char* const kMillimetres = "mm";
const char* const kVerticalNote1 = "※ｽｹｰﾙは10mm単位で入力してください。";
const char* const kVerticalNote2 = "10mm単位未満の値は四捨五入されます。";
const char* const kHorizontalTitle = "横軸ｽｹｰﾙ設定";
const char* const kHorizontalGroup = "横軸表示範囲";
const char* const kStartLabel = "表示開始日時 ：";
const char* const kEndLabel = "表示終了日時 ：";
const char* const kCancel = "ｷｬﾝｾﾙ";
const char* const kUnits[5] = {"年", "月", "日", "時", "分"};
const char* const kValueWrong = "入力した値に誤りがあります。";
const char* const kDateWrong = "日付・時刻に誤りがあります。";
const char* const kStartWrong = "開始時間に誤りがあります。";
const char* const kEndWrong = "終了時間に誤りがあります。";
}  // namespace scaletext

std::string verticalScaleText(int currentMax, IntervalMode mode) {
  return std::to_string(currentMax != 0 ? currentMax : defaultVerticalMax(mode));
}

std::optional<int> verticalScaleValue(const std::string& text) {
  int v = readDecimalField(text);
  if (v < 5 || v > 1000) return std::nullopt;
  const int r = v % 10;
  if (r >= 1 && r <= 4) v -= r;
  if (r >= 5) v += 10 - r;
  return v;
}

HorizontalBounds horizontalBounds(const RecordingBuffer& recording) {
  const int64_t start = recording.startTime;
  return {floorToTenMinutes(start), floorToTenMinutes(start + 600LL * recording.sampleCount() + 600)};
}

namespace {
std::optional<int64_t> rowTime(const DateTexts& row) {
  std::optional<int32_t> t = validLocalTime(calendarFieldsOf(row));
  if (!t) return std::nullopt;
  return *t;
}
}  // namespace

HorizontalCheck checkHorizontalRange(const DateTexts& startRow, const DateTexts& endRow,
                                     const HorizontalBounds& bounds) {
  HorizontalCheck result;
  std::optional<int64_t> start = rowTime(startRow);
  if (!start) {
    result.message = scaletext::kDateWrong;
    return result;
  }
  std::optional<int64_t> end = rowTime(endRow);
  if (!end) {
    result.message = scaletext::kDateWrong;
    return result;
  }
  result.start = *start;
  result.end = *end;
  if (*start < bounds.lower) {
    result.message = scaletext::kStartWrong;
  } else if (*end > bounds.upper) {
    result.message = scaletext::kEndWrong;
  } else if (*end <= *start) {
    result.message = scaletext::kStartWrong;
  }
  return result;
}
