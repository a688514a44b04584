// Record conditions and the overwrite save through the document: the
// dialog's checks, what a change does to the display, and that only a
// successful write clears the pending change.
#include "CommandIds.h"
#include "DocFixture.h"
#include "HourlySeries.h"
#include "RecordConditions.h"
#include "TestClock.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace {
RecordConditionTexts texts(int y, int mo, int d, int h, int mi, const std::string& name) {
  return {{std::to_string(y), std::to_string(mo), std::to_string(d), std::to_string(h), std::to_string(mi)}, name};
}
}  // namespace

TEST(RecordConditionChecks, NameFirstThenTheStartTime) {
  RecordConditionChange change;
  // An empty name is refused before the date is looked at.
  EXPECT_EQ(checkRecordConditions(texts(2024, 2, 30, 10, 0, ""), change), RecordConditionCheck::NameEmpty);
  EXPECT_STREQ(recordConditionMessage(RecordConditionCheck::NameEmpty), "ﾃﾞｰﾀ名を入力してください。");
  EXPECT_EQ(checkRecordConditions(texts(2024, 2, 30, 10, 0, "RAIN"), change), RecordConditionCheck::StartInvalid);
  EXPECT_STREQ(recordConditionMessage(RecordConditionCheck::StartInvalid), "開始時間に誤りがあります。");
  // Past the last second a 32-bit start time holds.
  EXPECT_EQ(checkRecordConditions(texts(2038, 1, 19, 12, 15, "RAIN"), change), RecordConditionCheck::StartInvalid);
  // The minute is not lowered to a multiple of ten.
  ASSERT_EQ(checkRecordConditions(texts(2024, 6, 1, 10, 7, "雨量計１"), change), RecordConditionCheck::Ok);
  EXPECT_EQ(change.startTime, jst(2024, 6, 1, 10, 7));
  EXPECT_EQ(change.name, "\x89\x4A\x97\xCA\x8C\x76\x82\x50");
  // Sixteen bytes fit; seventeen, or a character Shift-JIS lacks, do not.
  EXPECT_TRUE(nameFitsField("あいうえおかきく"));
  EXPECT_FALSE(nameFitsField("あいうえおかきくA"));
  EXPECT_TRUE(nameFitsField("0123456789ABCDEF"));
  EXPECT_FALSE(nameFitsField("0123456789ABCDEFG"));
  EXPECT_FALSE(nameFitsField("雨\U0001F327"));
  EXPECT_EQ(checkRecordConditions(texts(2024, 6, 1, 10, 0, "0123456789ABCDEFG"), change),
            RecordConditionCheck::NameInvalid);
}

TEST(RecordConditionTexts, StartTimeTwoDigitFieldsAndTheNamesFirstSixteenBytes) {
  auto rec = std::make_unique<RecordingBuffer>();
  std::memset(rec.get(), 0, sizeof(RecordingBuffer));
  rec->startTime = jst(2024, 6, 1, 9, 5);
  // Seventeen bytes: eight double-byte characters and one more byte.
  std::memcpy(rec->dataName, "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xADX", 17);
  const RecordConditionTexts t = recordConditionTexts(*rec);
  EXPECT_EQ(t.start.year, "2024");
  EXPECT_EQ(t.start.month, "06");
  EXPECT_EQ(t.start.day, "01");
  EXPECT_EQ(t.start.hour, "09");
  EXPECT_EQ(t.start.minute, "05");
  EXPECT_EQ(t.name, "あいうえおかきく");
}

class RecordConditions : public DocFixture {
 protected:
  void SetUp() override {
    path = dir.file("rain.hyy");
    ASSERT_TRUE(writeTestRecording(path, std::vector<uint16_t>(60, 1), jst(2024, 6, 1, 10, 0), 600, "OLD"));
    openByMenu(path);
    views.calls.clear();
  }
  // Runs the command with a dialog that answers change (nothing: Cancel).
  void command(std::optional<RecordConditionChange> change) {
    doc.onRecordConditions([&](const RecordConditionTexts& current) {
      shownName = current.name;
      return change;
    });
    if (views.posted) {
      windows.switchTo(doc, state, *views.posted);
      views.posted.reset();
    }
  }
  std::string path;
  std::string shownName;
};

TEST_F(RecordConditions, CancelChangesNothing) {
  doc.series().cursorA = 3;
  command(std::nullopt);
  EXPECT_EQ(shownName, "OLD");
  EXPECT_EQ(state.dataModified, 0);
  EXPECT_EQ(doc.recording().startTime, jst(2024, 6, 1, 10, 0));
  EXPECT_EQ(doc.series().cursorA, 3);
  EXPECT_TRUE(views.calls.empty());
  EXPECT_FALSE(documentEnables(cmd::OverwriteSave, doc.enablingInputs()).value());
}

TEST_F(RecordConditions, TenPastShiftsTheHourlySeriesAndTheDisplayStartsAfresh) {
  doc.series().cursorA = 3;
  doc.series().cursorB = 5;
  windows.switchTo(doc, state, IntervalMode::Daily);
  command(RecordConditionChange{jst(2024, 6, 1, 10, 10), "NEW"});
  EXPECT_EQ(state.dataModified, 1);
  EXPECT_TRUE(documentEnables(cmd::OverwriteSave, doc.enablingInputs()).value());
  EXPECT_EQ(doc.intervalMode, IntervalMode::Hourly);
  EXPECT_EQ(doc.series().seriesStart, jst(2024, 6, 1, 11, 0));
  // The samples stamped 10:10 to 10:50 are no longer in the hourly graph.
  EXPECT_DOUBLE_EQ(doc.series().values[0], 3.0);
  EXPECT_EQ(doc.series().firstShownIndex, 0);
  EXPECT_EQ(doc.series().visibleCount, doc.series().valueCount);
  EXPECT_EQ(doc.series().cursorA, 0);
  EXPECT_EQ(doc.series().cursorB, 0);
  EXPECT_STREQ(doc.recording().dataName, "NEW");
  EXPECT_STREQ(state.pendingDataName, "NEW");
  // An open data list shows the old series: it is closed.
  EXPECT_NE(std::find(views.calls.begin(), views.calls.end(), "postCloseDataList"), views.calls.end());
  // The file still holds the old name until the overwrite save.
  EXPECT_EQ(storedName(path), "OLD");
  ASSERT_TRUE(doc.onOverwriteSave());
  EXPECT_EQ(storedName(path), "NEW");
  EXPECT_EQ(state.dataModified, 0);
}

TEST_F(RecordConditions, FailedOverwriteSaveKeepsTheChange) {
  command(RecordConditionChange{jst(2024, 6, 1, 10, 10), "NEW"});
  messages.shown.clear();
  // The file went away behind the program's back.
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_FALSE(doc.onOverwriteSave());
  EXPECT_EQ(state.dataModified, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("変更は保存されていません"), std::string::npos);
  EXPECT_TRUE(documentEnables(cmd::OverwriteSave, doc.enablingInputs()).value());
}
