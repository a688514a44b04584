#include "RangeSave.h"

#include "CLogstore1App.h"
#include "RecordingFixture.h"
#include "ScriptedMessages.h"
#include "FileSizeLimit.h"
#include "TempDir.h"
#include "TenMinuteSeries.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
DateTexts at(int y, int mo, int d, int h, int mi) {
  return {std::to_string(y), std::to_string(mo), std::to_string(d), std::to_string(h), std::to_string(mi)};
}

// Loads a saved file back into a recording.
std::unique_ptr<RecordingBuffer> reload(const std::string& path) {
  auto image = std::make_unique<FileImage>();
  logstore::CLogstore1App store;
  if (store.BfileToBuff(path.c_str(), image->bytes) == 0) return nullptr;
  auto rec = std::make_unique<RecordingBuffer>();
  copyFileImage(*image, *rec);
  return rec;
}

std::vector<uint16_t> counting(int n) {
  std::vector<uint16_t> v(static_cast<size_t>(n));
  for (int k = 0; k < n; ++k) v[static_cast<size_t>(k)] = static_cast<uint16_t>(1 + k % 50);
  return v;
}
}  // namespace

TEST(RangeSave, BlockSizesAndEndLimits) {
  auto rec = makeRecording(jst(2024, 6, 1, 10, 0), counting(9000));
  const int32_t start = rec->startTime;
  EXPECT_EQ(planRangeSave(*rec, {start, start}).blockSize, 4096);
  EXPECT_EQ(planRangeSave(*rec, {start, start}).count, 0);
  EXPECT_EQ(planRangeSave(*rec, {start, start + 600 * 4096}).blockSize, 4096);
  EXPECT_EQ(planRangeSave(*rec, {start, start + 600 * 4097}).blockSize, 8192);
  EXPECT_EQ(planRangeSave(*rec, {start, start + 600 * 8192}).blockSize, 8192);

  TimeSpan span;
  // The end may be the record end exactly, not ten minutes more.
  EXPECT_EQ(checkGivenSaveSpan(*rec, at(2024, 6, 1, 10, 0), at(2024, 8, 2, 22, 0), span), RangeCheck::Ok);
  EXPECT_EQ(span.end, start + 600 * 9000);
  EXPECT_EQ(checkGivenSaveSpan(*rec, at(2024, 6, 1, 10, 0), at(2024, 8, 2, 22, 10), span), RangeCheck::EndInvalid);
  EXPECT_EQ(checkGivenSaveSpan(*rec, at(2024, 6, 1, 9, 50), at(2024, 6, 1, 12, 0), span), RangeCheck::StartInvalid);
  EXPECT_EQ(checkGivenSaveSpan(*rec, at(2024, 6, 1, 12, 0), at(2024, 6, 1, 11, 0), span), RangeCheck::EndInvalid);
  EXPECT_EQ(checkGivenSaveSpan(*rec, {}, at(2024, 6, 1, 11, 0), span), RangeCheck::DateInvalid);
  EXPECT_EQ(checkGivenSaveSpan(*rec, at(2024, 6, 1, 12, 0), at(2024, 6, 31, 11, 0), span), RangeCheck::DateInvalid);
  // Past the last second of a 32-bit time.
  EXPECT_EQ(checkGivenSaveSpan(*rec, at(2038, 1, 19, 12, 20), at(2038, 1, 19, 12, 30), span), RangeCheck::DateInvalid);
  // 10:27 is lowered to 10:20; start equal to end passes.
  ASSERT_EQ(checkGivenSaveSpan(*rec, at(2024, 6, 1, 10, 27), at(2024, 6, 1, 10, 29), span), RangeCheck::Ok);
  EXPECT_EQ(span.start, jst(2024, 6, 1, 10, 20));
  EXPECT_EQ(span.end, jst(2024, 6, 1, 10, 20));
}

TEST(RangeSave, WholeRecordingRoundTripsAndARangeStartsAtItsFirstSample) {
  auto rec = makeRecording(jst(2024, 6, 1, 10, 0), counting(5000), 0x2001);
  std::memcpy(rec->dataName, "\x89\x4A\x89\x4A-17", 7);
  TempDir dir;
  const std::string whole = dir.file("whole.hyy");
  ASSERT_EQ(writeRangeFile(*rec, planRangeSave(*rec, wholeRecordingSpan(*rec)), whole), RangeSaveStatus::Written);
  auto back = reload(whole);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->startTime, rec->startTime);
  EXPECT_EQ(back->sampleCount(), 5000);
  EXPECT_EQ(back->versionWord, 0x2001);
  EXPECT_STREQ(back->dataName, "\x89\x4A\x89\x4A-17");
  TenMinuteSeries a, b;
  ASSERT_EQ(a.build(*rec), 1);
  ASSERT_EQ(b.build(*back), 1);
  ASSERT_EQ(a.valueCount, b.valueCount);
  EXPECT_TRUE(std::equal(a.values.get(), a.values.get() + a.valueCount, b.values.get()));

  // A recording off the ten-minute marks: a range from 10:20 begins with the
  // sample stamped 10:25, and the file says so.
  auto offMark = makeRecording(jst(2024, 6, 1, 10, 5), counting(100));
  TimeSpan span;
  ASSERT_EQ(checkGivenSaveSpan(*offMark, at(2024, 6, 1, 10, 20), at(2024, 6, 1, 11, 20), span), RangeCheck::Ok);
  const RangeSavePlan plan = planRangeSave(*offMark, span);
  EXPECT_EQ(plan.firstIndex, 2);
  EXPECT_EQ(plan.count, 6);
  EXPECT_EQ(plan.startTime, jst(2024, 6, 1, 10, 25));
  ASSERT_EQ(writeRangeFile(*offMark, plan, dir.file("part.hyy")), RangeSaveStatus::Written);
  auto part = reload(dir.file("part.hyy"));
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->startTime, jst(2024, 6, 1, 10, 25));
  EXPECT_EQ(part->samples[0], offMark->samples[2]);
  EXPECT_EQ(part->samples[5], offMark->samples[7]);

  // Its last slot may be named as the end, but no sample past the last one is written.
  ASSERT_EQ(checkGivenSaveSpan(*offMark, at(2024, 6, 1, 10, 20), at(2024, 6, 2, 2, 50), span), RangeCheck::Ok);
  EXPECT_EQ(planRangeSave(*offMark, span).count, 98);
}

TEST(RangeSave, ShownSeriesSpansByIntervalAndPastTheEnd) {
  auto rec = makeSteady(jst(2024, 1, 31, 10, 5), 3 * 144);
  // Monthly, first bucket of a recording that starts on 31 January.
  const TimeSpan monthly = rangeSaveGraphSpan(*rec, {IntervalMode::Monthly, 0, 1, 1, jst(2024, 2, 1, 0, 0)});
  EXPECT_EQ(monthly.start, jst(2024, 2, 1, 0, 0));
  EXPECT_EQ(monthly.end, recordEnd(*rec));
  // Ten-minute windows count from the record start itself.
  const TimeSpan ten = rangeSaveGraphSpan(*rec, {IntervalMode::TenMinute, 3, 6, 433, jst(2024, 1, 31, 10, 0)});
  EXPECT_EQ(ten.start, jst(2024, 1, 31, 10, 35));
  EXPECT_EQ(ten.end, jst(2024, 1, 31, 11, 35));
  EXPECT_EQ(checkGraphSaveSpan(*rec, ten), RangeCheck::Ok);
  // The extra slot after the last sample holds nothing to save.
  const TimeSpan last = rangeSaveGraphSpan(*rec, {IntervalMode::TenMinute, 432, 1, 433, jst(2024, 1, 31, 10, 0)});
  EXPECT_EQ(checkGraphSaveSpan(*rec, last), RangeCheck::EndInvalid);
  const TimeSpan hourly = rangeSaveGraphSpan(*rec, {IntervalMode::Hourly, 70, 10, 73, jst(2024, 1, 31, 10, 0)});
  EXPECT_EQ(hourly.start, jst(2024, 2, 3, 8, 0));
  EXPECT_EQ(hourly.end, recordEnd(*rec));
}

TEST(RangeSave, ARangeStartingPastJanuary2038IsRefusedNotWrapped) {
  // Three days from 2038-01-18 00:00; the 32-bit end is 2038-01-19 12:14:07.
  auto rec = makeSteady(jst(2038, 1, 18, 0, 0), 3 * 144);
  const TimeSpan before = rangeSaveGraphSpan(*rec, {IntervalMode::Daily, 1, 1, 3, jst(2038, 1, 18, 0, 0)});
  EXPECT_EQ(checkGraphSaveSpan(*rec, before), RangeCheck::Ok);
  const TimeSpan past = rangeSaveGraphSpan(*rec, {IntervalMode::Daily, 2, 1, 3, jst(2038, 1, 18, 0, 0)});
  EXPECT_EQ(past.start, jst64(2038, 1, 20, 0, 0));
  EXPECT_EQ(checkGraphSaveSpan(*rec, past), RangeCheck::DateInvalid);
  // Typed, samples at 5 past the ten minutes: 12:10 is a time a file holds,
  // but the first sample from it (12:15) is not.
  auto offset = makeSteady(jst(2038, 1, 18, 0, 5), 3 * 144);
  TimeSpan typed;
  EXPECT_EQ(checkGivenSaveSpan(*offset, at(2038, 1, 19, 12, 10), at(2038, 1, 19, 12, 10), typed),
            RangeCheck::DateInvalid);
  EXPECT_EQ(checkGivenSaveSpan(*offset, at(2038, 1, 19, 12, 0), at(2038, 1, 19, 12, 10), typed), RangeCheck::Ok);
}

TEST(RangeSave, FailuresAreToldAndLeaveNoFile) {
  auto rec = makeRecording(jst(2024, 6, 1, 10, 0), counting(5000));
  TempDir dir;
  ScriptedMessages messages;
  std::string answer = dir.file("missing/new.hyy");
  logstore::CLogstore1App::SetFileChooser([&answer](logstore::ChooserPurpose) { return answer; });
  EXPECT_EQ(saveRange(*rec, wholeRecordingSpan(*rec), messages), RangeSaveStatus::OpenFailed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "ﾊﾞｲﾅﾘﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ！");

  // A write that fails half-way (a file-size limit, effective even for root).
  answer = dir.file("new.hyy");
  RangeSaveStatus status;
  {
    const FileSizeLimit limit(4096);
    status = saveRange(*rec, wholeRecordingSpan(*rec), messages);
  }
  EXPECT_EQ(status, RangeSaveStatus::WriteFailed);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[1].text.find("書き込めませんでした"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  answer = "";
  EXPECT_EQ(saveRange(*rec, wholeRecordingSpan(*rec), messages), RangeSaveStatus::Cancelled);
  EXPECT_EQ(messages.shown.size(), 2u);
  logstore::CLogstore1App::SetFileChooser(nullptr);
}
