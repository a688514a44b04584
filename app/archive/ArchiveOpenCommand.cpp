#include "ArchiveOpenCommand.h"

#include "ArchiveRecording.h"
#include "CHyetoscopeDoc.h"
#include "DateFields.h"
#include "LocalTime.h"
#include "RangeCheck.h"
#include "StationArchive.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {
constexpr int64_t kSlot = SlotRun::kSlotSeconds;

int64_t floorToSlot(int64_t t) { return t - ((t % kSlot) + kSlot) % kSlot; }
}  // namespace

ArchiveSpan defaultArchiveSpan(const StationSummary& station) {
  const int64_t end = station.lastSlot + kSlot;
  struct tm f = toLocal(station.lastSlot);
  f.tm_mday -= 30;
  f.tm_hour = f.tm_min = f.tm_sec = 0;
  return {std::max(station.firstSlot, fromLocal(f)), end};
}

std::optional<ArchiveSpan> archiveSpanOf(const DateTexts& start, const DateTexts& end, const StationSummary& station,
                                         std::string& error) {
  const std::optional<int32_t> from = validLocalTime(calendarFieldsOf(start));
  if (!from) {
    error = rangeCheckMessage(RangeCheck::StartInvalid);
    return std::nullopt;
  }
  const std::optional<int32_t> to = validLocalTime(calendarFieldsOf(end));
  if (!to) {
    error = rangeCheckMessage(RangeCheck::EndInvalid);
    return std::nullopt;
  }
  if (*to <= *from) {
    error = rangeCheckMessage(RangeCheck::DateInvalid);
    return std::nullopt;
  }
  ArchiveSpan span{std::max(floorToSlot(*from), station.firstSlot),
                   std::min(floorToSlot(*to + kSlot - 1), station.lastSlot + kSlot)};
  if (!station.hasSlots || span.to <= span.from) {
    error = "指定の期間にﾃﾞｰﾀがありません。";
    return std::nullopt;
  }
  if (span.slotCount() > kArchiveRecordingMaxSlots) {
    error = "期間が長すぎます。10分間のﾃﾞｰﾀ " + std::to_string(kArchiveRecordingMaxSlots) + " 個 (約415日) までの期間を指定してください。";
    return std::nullopt;
  }
  return span;
}

bool openArchiveSpan(CHyetoscopeDoc& doc, const StationArchive& archive, const StationSummary& station,
                     const ArchiveSpan& span, UserMessages& messages) {
  std::string error;
  const std::optional<SlotRun> run = archive.slotRun(station.id, span.from, span.to, error);
  auto recording = std::make_unique<RecordingBuffer>();
  if (!run || !buildArchiveRecording(*run, station.name, *recording, error)) {
    messages.show(error, MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  const std::string when =
      formatLocal(span.from, "%Y/%m/%d %H:%M") + " - " + formatLocal(span.to, "%Y/%m/%d %H:%M");
  const std::string note = "ｱｰｶｲﾌﾞ " + std::filesystem::path(archive.path()).filename().string() + " の記録 (欠測 " +
                           std::to_string(run->missingCount()) + " ｽﾛｯﾄ)";
  return doc.openBuiltRecording(*recording, station.name + " " + when, note);
}
