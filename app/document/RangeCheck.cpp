#include "RangeCheck.h"

const char* rangeCheckMessage(RangeCheck check) {
  switch (check) {
    case RangeCheck::DateInvalid: return "日付・時刻に誤りがあります。";
    case RangeCheck::StartInvalid: return "開始時間に誤りがあります。";
    case RangeCheck::EndInvalid: return "終了時間に誤りがあります。";
    case RangeCheck::Ok: break;
  }
  return "";
}
