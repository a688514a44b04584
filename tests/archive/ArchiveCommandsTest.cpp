// The window's archive commands below their widgets: a span with a gap
// opened from an archive as the document's recording (its series keep the
// gap missing, the export leaves it empty, nothing is a file), the span
// typed into the date fields, and the import with its report, its conflict
// offered for replacing, and the offer after a download.
#include "ArchiveFixture.h"
#include "ArchiveImportCommand.h"
#include "ArchiveOpenCommand.h"
#include "DateFields.h"
#include "CHyetoscopeDoc.h"
#include "CommandIds.h"
#include "HourlySeries.h"
#include "RangeSave.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"
#include "SlotSeries.h"
#include "TempDir.h"
#include "TextExport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace archive_test;

namespace {
constexpr int64_t kOrigin = 1719759600;  // 2024-07-01 00:00 UTC+9

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}
bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(ArchiveCommands, ASpanWithAGapOpensAsARecordingWhoseSeriesKeepTheGapMissing) {
  TempDir dir;
  std::string error;
  auto archive = StationArchive::open(dir.file("a.hyarc"), ArchiveAccess::ReadWrite, error);
  ASSERT_TRUE(archive) << error;
  // Slots 0..299 and 330..599: 2024-07-03 02:00-07:00 is missing.
  const auto a = piece(kOrigin, 0, 300), b = piece(kOrigin, 330, 270);
  ASSERT_EQ(archive->importRecording(request(*a)).status, ImportStatus::Imported);
  ASSERT_EQ(archive->importRecording(request(*b)).status, ImportStatus::Imported);
  const auto station = archive->station("STATION", error);
  ASSERT_TRUE(station) << error;

  // 2024-07-01 20:00 .. 2024-07-04 08:00.
  const auto span = archiveSpanOf(dateTextsAt(kOrigin + 120 * 600), dateTextsAt(kOrigin + 480 * 600), *station, error);
  ASSERT_TRUE(span) << error;
  EXPECT_EQ(span->slotCount(), 360);

  RecordingState state;
  state.currentDataPath = "/somewhere/earlier.hyy";
  ScriptedMessages messages;
  CHyetoscopeDoc doc(state, messages);
  ASSERT_TRUE(openArchiveSpan(doc, *archive, *station, *span, messages));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(state.currentDataPath.empty());  // nothing to overwrite
  EXPECT_EQ(documentEnables(cmd::RecordConditions, doc.enablingInputs()), false);
  EXPECT_EQ(documentEnables(cmd::SaveRangeHyy, doc.enablingInputs()), true);
  EXPECT_EQ(doc.title(), "STATION 2024/07/01 20:00 - 2024/07/04 08:00");
  EXPECT_TRUE(contains(doc.sourceNote(), "a.hyarc")) << doc.sourceNote();
  EXPECT_TRUE(contains(doc.sourceNote(), "欠測 30 ｽﾛｯﾄ")) << doc.sourceNote();
  const RecordingBuffer& rec = doc.recording();
  ASSERT_EQ(rec.sampleCount(), 360);
  EXPECT_EQ(rec.startTime, kOrigin + 120 * 600);
  EXPECT_EQ(rec.missingSampleCount, 30);

  // The recording's hourly series is the archive's own, value for value and
  // missing mark for missing mark.
  const auto run = archive->slotRun(station->id, span->from, span->to, error);
  ASSERT_TRUE(run);
  const auto expected = buildSlotSeries(IntervalMode::Hourly, *run);
  HourlySeries hourly;
  ASSERT_EQ(hourly.build(rec), 1);
  ASSERT_EQ(hourly.valueCount, expected->valueCount);
  for (int i = 0; i < hourly.valueCount; ++i) {
    EXPECT_DOUBLE_EQ(hourly.values[i], expected->values[i]) << i;
    EXPECT_EQ(hourly.isMissing(i), expected->isMissing(i)) << i;
  }
  EXPECT_TRUE(hourly.isMissing(30) && hourly.isMissing(34) && !hourly.isMissing(29) && !hourly.isMissing(35));

  // The document's display series and the export carry the marks.
  doc.intervalMode = IntervalMode::Hourly;
  doc.rebuild();
  EXPECT_EQ(doc.series().missingSlots[30], 6);
  EXPECT_FALSE(doc.series().isMissing(29));
  std::string text;
  ASSERT_EQ(exportSeriesText(rec, {IntervalMode::Hourly, hourly.startTime, 0, hourly.valueCount, ','}, text),
            ExportStatus::Written);
  const auto exported = lines(text);
  ASSERT_EQ(exported.size(), size_t(hourly.valueCount));
  EXPECT_EQ(exported[29].back(), '0' + int(std::lround(hourly.values[29] * 10)) % 10);
  for (int i = 30; i < 35; ++i) EXPECT_EQ(exported[size_t(i)].back(), ',') << exported[size_t(i)];

  // Saved by the user as a data file: the samples as they are (a missing
  // slot becomes 0, which a data file cannot tell apart) and the station's name.
  const std::string saved = dir.file("saved.hyy");
  ASSERT_EQ(writeRangeFile(rec, planRangeSave(rec, wholeRecordingSpan(rec)), saved), RangeSaveStatus::Written);
  auto image = std::make_unique<FileImage>();
  auto reloaded = std::make_unique<RecordingBuffer>();
  logstore::CLogstore1App store;
  ASSERT_NE(store.BfileToBuff(saved.c_str(), image->bytes), 0);
  copyFileImage(*image, *reloaded);
  ASSERT_EQ(reloaded->sampleCount(), 360);
  EXPECT_EQ(reloaded->startTime, rec.startTime);
  EXPECT_EQ(reloaded->versionWord, kTenthMillimetreVersion);
  EXPECT_STREQ(reloaded->dataName, "STATION");
  EXPECT_EQ(reloaded->missingSampleCount, 0);
  for (int k = 0; k < 360; ++k) ASSERT_EQ(reloaded->samples[k], rec.samples[k]) << k;

  // Typed spans: checked fields, cut to the station, at most a recording.
  DateTexts wrong = dateTextsAt(kOrigin);
  wrong.month = "13";
  EXPECT_FALSE(archiveSpanOf(wrong, dateTextsAt(kOrigin + 6000), *station, error));
  EXPECT_EQ(error, "開始時間に誤りがあります。");
  EXPECT_FALSE(archiveSpanOf(dateTextsAt(kOrigin + 6000), dateTextsAt(kOrigin), *station, error));
  const auto cut = archiveSpanOf(dateTextsAt(kOrigin - 86400), dateTextsAt(kOrigin + 86400 * 30), *station, error);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->from, kOrigin);
  EXPECT_EQ(cut->to, kOrigin + 600 * 600);
  StationSummary longer = *station;
  longer.lastSlot = kOrigin + 600LL * 70000;
  EXPECT_FALSE(archiveSpanOf(dateTextsAt(kOrigin), dateTextsAt(kOrigin + 600LL * 59873), longer, error));
  EXPECT_TRUE(archiveSpanOf(dateTextsAt(kOrigin), dateTextsAt(kOrigin + 600LL * 59872), longer, error));
}

TEST(ArchiveCommands, ImportReportsAConflictImportsNothingAndReplacesOnlyWhenAsked) {
  TempDir dir;
  const std::string sample = std::string(HY_SAMPLES_DIR) + "/short-2026-06-0.5mm.hyy";
  const std::string first = dir.file("first.hyy"), changed = dir.file("changed.hyy");
  std::string bytes = fileBytes(sample);
  writeBytes(first, bytes);
  bytes[256 + 2 * 10] = static_cast<char>(bytes[256 + 2 * 10] + 3);  // sample 10 rains 1.5 mm more
  writeBytes(changed, bytes);
  const std::string db = dir.file("new.hyarc");

  std::string remembered;
  ScriptedMessages messages;
  ArchiveImportCommand command(messages, {[&] { return remembered; }, [&](const std::string& p) { remembered = p; }});
  // No archive set: no offer after a download.
  EXPECT_FALSE(command.offerAfterDownload(first));
  EXPECT_TRUE(messages.shown.empty());

  std::string lastOffered = "unset";
  const auto choose = [&](std::vector<std::string> files) {
    return ArchiveImportChoices{[&](const std::string& last) {
                                  lastOffered = last;
                                  return db;
                                },
                                [files] { return files; }};
  };
  EXPECT_TRUE(command.run(choose({first})));
  EXPECT_EQ(lastOffered, "");
  EXPECT_EQ(remembered, db);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(contains(messages.shown[0].text, "first.hyy: 観測所「ﾃﾙｶ 屋上」に取り込みました")) << messages.shown[0].text;

  std::string error;
  const auto held = [&] {
    auto archive = StationArchive::open(db, ArchiveAccess::ReadOnly, error);
    return allSlots(*archive, "ﾃﾙｶ 屋上", 0, 4000000000LL);
  };
  const std::vector<int32_t> before = held();
  ASSERT_FALSE(before.empty());
  messages.answerNext(MessageAnswer::No);  // do not replace
  EXPECT_FALSE(command.run(choose({changed, first})));
  EXPECT_EQ(lastOffered, db);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[1].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(contains(messages.shown[1].text, "1 ｽﾛｯﾄが異なる雨量を持つため")) << messages.shown[1].text;
  EXPECT_TRUE(contains(messages.shown[1].text, "2026/06/01 10:40 ｱｰｶｲﾌﾞ 0.0 mm、ﾌｧｲﾙ 1.5 mm")) << messages.shown[1].text;
  const std::string& report = messages.shown[2].text;
  EXPECT_EQ(messages.shown[2].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(contains(report, "changed.hyy: 観測所「ﾃﾙｶ 屋上」の 1 ｽﾛｯﾄが異なる雨量を持つため、取り込みませんでした")) << report;
  EXPECT_TRUE(contains(report, "first.hyy: 取り込み済みです")) << report;
  EXPECT_EQ(held(), before);

  // After a download, with the archive now set: asked; Yes, then Yes to replace.
  messages.answerNext(MessageAnswer::Yes);
  messages.answerNext(MessageAnswer::Yes);
  EXPECT_TRUE(command.offerAfterDownload(changed));
  ASSERT_EQ(messages.shown.size(), 6u);
  EXPECT_TRUE(contains(messages.shown[3].text, "ｱｰｶｲﾌﾞ " + db + " に追加しますか。")) << messages.shown[3].text;
  EXPECT_TRUE(contains(messages.shown[5].text, "置き換えたｽﾛｯﾄ 1")) << messages.shown[5].text;
  const std::vector<int32_t> after = held();
  ASSERT_EQ(after.size(), before.size());
  size_t differing = 0;
  for (size_t i = 0; i < after.size(); ++i) differing += after[i] != before[i];
  EXPECT_EQ(differing, 1u);
}
