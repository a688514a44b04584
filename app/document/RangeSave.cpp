#include "RangeSave.h"

#include "CLogstore1App.h"
#include "DateFields.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {
std::optional<int32_t> lowered(const DateTexts& t) {
  CalendarFields f = calendarFieldsOf(t);
  if (f.minute > 0) f.minute -= f.minute % 10;
  return validLocalTime(f);
}
}  // namespace

int64_t recordEnd(const RecordingBuffer& recording) {
  return static_cast<int64_t>(recording.startTime) + 600LL * recording.sampleCount();
}

TimeSpan rangeSaveGraphSpan(const RecordingBuffer& recording, const ShownSeriesSpan& graph) {
  TimeSpan span = shownSpan(recording, graph, recording.startTime);
  span.end = std::min(span.end, recordEnd(recording));
  return span;
}

namespace {
// A data file keeps its start as a signed 32-bit time: a range whose first
// sample lies past January 2038 cannot be written as one.
bool startFitsAFile(const RecordingBuffer& recording, const TimeSpan& span) {
  return planRangeSave(recording, span).startTime <= INT32_MAX;
}
}  // namespace

RangeCheck checkGraphSaveSpan(const RecordingBuffer& recording, const TimeSpan& span) {
  if (span.start >= recordEnd(recording)) return RangeCheck::EndInvalid;
  return startFitsAFile(recording, span) ? RangeCheck::Ok : RangeCheck::DateInvalid;
}

TimeSpan wholeRecordingSpan(const RecordingBuffer& recording) { return {recording.startTime, recordEnd(recording)}; }

RangeCheck checkGivenSaveSpan(const RecordingBuffer& recording, const DateTexts& start, const DateTexts& end,
                              TimeSpan& span) {
  const std::optional<int32_t> s = lowered(start);
  if (!s) return RangeCheck::DateInvalid;
  const std::optional<int32_t> e = lowered(end);
  if (!e) return RangeCheck::DateInvalid;
  if (*s < recording.startTime) return RangeCheck::StartInvalid;
  // A recording off the ten-minute marks has one more slot to end in.
  const int64_t slots = recording.sampleCount() + (recording.startTime % 600 != 0 ? 1 : 0);
  if (*s > *e || *e > static_cast<int64_t>(recording.startTime) + 600 * slots) return RangeCheck::EndInvalid;
  span = {*s, *e};
  return startFitsAFile(recording, span) ? RangeCheck::Ok : RangeCheck::DateInvalid;
}

RangeSavePlan planRangeSave(const RecordingBuffer& recording, const TimeSpan& span) {
  RangeSavePlan plan;
  const int64_t offset = std::max<int64_t>(0, span.start - recording.startTime);
  plan.firstIndex = static_cast<int>((offset + 599) / 600);
  const int n = std::max(0, recording.sampleCount());
  const int64_t wanted = span.end > span.start ? (span.end - span.start) / 600 : 0;
  plan.count = static_cast<int>(std::clamp<int64_t>(wanted, 0, std::max(0, n - plan.firstIndex)));
  plan.blockSize = plan.count < 4096 ? 4096 : (plan.count + 4095) / 4096 * 4096;
  plan.startTime = recording.startTime + 600LL * plan.firstIndex;
  return plan;
}

RangeSaveStatus writeRangeFile(const RecordingBuffer& recording, const RangeSavePlan& plan, const std::string& path) {
  logstore::CLogstore1App store;
  if (store.FOpen(path.c_str(), 'B', 'W') == 0) return RangeSaveStatus::OpenFailed;
  std::vector<unsigned short> block(static_cast<size_t>(plan.blockSize), 0);
  std::copy_n(recording.samples + plan.firstIndex, plan.count, block.begin());
  const std::string name(recording.dataName, strnlen(recording.dataName, sizeof recording.dataName));
  store.StartSetParameter();
  store.SetChannel(1, name.c_str());
  store.SetDate1(plan.startTime);
  store.SetRecordInterval(600);
  store.SetUnit(13);
  store.SetMachineCode(0x1071);
  store.SetVersionInfo(recording.versionWord);
  store.SetSampleNum(static_cast<unsigned long>(plan.count));
  store.SetRawData(static_cast<unsigned long>(plan.blockSize), block.data());
  const bool saved = store.SaveChannel() != 0;
  const bool closed = store.Close('B') == 1;
  return saved && closed ? RangeSaveStatus::Written : RangeSaveStatus::WriteFailed;
}

RangeSaveStatus saveRange(const RecordingBuffer& recording, const TimeSpan& span, UserMessages& messages) {
  const RangeSavePlan plan = planRangeSave(recording, span);
  std::string path;
  {
    logstore::CLogstore1App store;
    path = store.GetFileName(logstore::kModeBinary, logstore::kPurposeSave);
  }
  if (path == "ER" || path.empty()) return RangeSaveStatus::Cancelled;
  const RangeSaveStatus status = writeRangeFile(recording, plan, path);
  if (status == RangeSaveStatus::OpenFailed)
    messages.show("ﾊﾞｲﾅﾘﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ！", MessageIcon::None, MessageButtons::Ok);
  else if (status == RangeSaveStatus::WriteFailed)
    messages.show(path + " に記録ﾃﾞｰﾀを書き込めませんでした。\n保存先のﾌｧｲﾙは変わっていません。", MessageIcon::Error,
                  MessageButtons::Ok);
  return status;
}
