#include "ArchiveRecording.h"

#include "ShiftJis.h"

#include <cstdio>
#include <cstring>

namespace {
void putFiveDigits(char* field, int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%05d", value);
  std::memcpy(field, text, 5);
}
}  // namespace

bool buildArchiveRecording(const SlotRun& run, const std::string& stationUtf8, RecordingBuffer& out,
                           std::string& error) {
  const size_t n = run.tenths.size();
  if (n == 0) {
    error = "指定の期間にﾃﾞｰﾀがありません。";
    return false;
  }
  if (n > size_t(kArchiveRecordingMaxSlots)) {
    error = "期間が長すぎます (" + std::to_string(n) + " ｽﾛｯﾄ、最大 " + std::to_string(kArchiveRecordingMaxSlots) + ")。";
    return false;
  }
  for (size_t i = 0; i < n; ++i)
    if (run.tenths[i] > kArchiveRecordingMaxTenths) {
      error = "10分間の雨量が記録できる値を超えています。";
      return false;
    }
  std::memset(&out, 0, sizeof out);
  out.headerWord = logstore::kHeaderMagic;
  out.trailerWord = logstore::kTrailerMagic;
  out.headerByte = 13;
  out.headerDword = 0x1071;
  out.headerBytes[0] = 1;
  out.versionWord = kTenthMillimetreVersion;
  // A data file keeps 16 bytes of the name; a character cut in half is dropped.
  std::string name = utf8ToShiftJis(stationUtf8).substr(0, logstore::kMaxWrittenName);
  size_t whole = 0;
  while (whole < name.size()) whole += isShiftJisLeadByte(static_cast<unsigned char>(name[whole])) ? 2 : 1;
  if (whole > name.size()) name.pop_back();
  std::memcpy(out.dataName, name.data(), name.size());
  out.startTime = static_cast<int32_t>(run.start);
  putFiveDigits(out.intervalText, kRecordInterval);
  putFiveDigits(out.countText, static_cast<int>(n));
  for (size_t i = 0; i < n; ++i) {
    if (run.isMissing(i)) {
      out.missingMarks[i] = 1;
      ++out.missingSampleCount;
    } else {
      out.samples[i] = static_cast<uint16_t>(run.tenths[i]);
    }
  }
  return true;
}
