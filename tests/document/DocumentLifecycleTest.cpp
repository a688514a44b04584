// The ways a recording enters and leaves the document, and the rebuild.
#include "DocFixture.h"

#include "CommandIds.h"
#include "DailySeries.h"
#include "HourlySeries.h"
#include "MonthlySeries.h"
#include "TenMinuteSeries.h"

#include <algorithm>
#include <fstream>

namespace {
int countOf(const std::vector<std::string>& calls, const std::string& what) {
  return static_cast<int>(std::count(calls.begin(), calls.end(), what));
}

template <class Builder>
int builtCount(const RecordingBuffer& r) {
  Builder b;
  b.build(r);
  return b.valueCount;
}
}  // namespace

TEST_F(DocFixture, FreshDocumentIsEmptyWithTheListedDefaults) {
  EXPECT_EQ(doc.loadedFlag, 0);
  EXPECT_EQ(doc.intervalMode, IntervalMode::Hourly);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Hourly), 100);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Daily), 400);
  EXPECT_EQ(doc.verticalMax(IntervalMode::TenMinute), 50);
  EXPECT_EQ(doc.verticalMax(IntervalMode::Monthly), 800);
  EXPECT_EQ(doc.printKind, -1);
  EXPECT_EQ(doc.recording().dataName[0], '\0');
}

TEST_F(DocFixture, OpenCommandEndsInHourlyDisplayWhateverWasShown) {
  for (IntervalMode before : {IntervalMode::TenMinute, IntervalMode::Hourly, IntervalMode::Daily,
                              IntervalMode::Monthly}) {
    SCOPED_TRACE(static_cast<int>(before));
    openByMenu(sample("short-2026-06-0.5mm.hyy"));
    windows.switchTo(doc, state, before);
    ASSERT_EQ(doc.intervalMode, before);

    chooserAnswer = sample("long-2024-0.5mm.hyy");
    doc.onOpenRecording();
    // Until the queued command runs, the document sits in daily mode.
    EXPECT_EQ(doc.intervalMode, IntervalMode::Daily);
    ASSERT_EQ(views.posted, IntervalMode::Hourly);
    EXPECT_TRUE(windows.switchTo(doc, state, *views.posted));
    views.posted.reset();

    EXPECT_EQ(doc.intervalMode, IntervalMode::Hourly);
    EXPECT_EQ(doc.series().intervalMode, IntervalMode::Hourly);
    EXPECT_EQ(doc.series().valueCount, builtCount<HourlySeries>(doc.recording()));
    EXPECT_EQ(doc.series().visibleCount, doc.series().valueCount);
    EXPECT_EQ(doc.series().verticalMax, 100);
    EXPECT_EQ(doc.loadedFlag, 1);
    EXPECT_EQ(doc.title(), sample("long-2024-0.5mm.hyy"));
    EXPECT_EQ(state.currentDataPath, sample("long-2024-0.5mm.hyy"));
  }
}

TEST_F(DocFixture, OpenCommandAsksTheViewInOrder) {
  chooserAnswer = sample("short-2026-06-0.5mm.hyy");
  doc.onOpenRecording();
  const std::vector<std::string> expected{"clearRemembered", "postInterval", "resetWindow", "showData",
                                          "update"};
  EXPECT_EQ(views.calls, expected);
  EXPECT_FALSE(doc.undoAvailable);
  EXPECT_EQ(doc.openedByDocument, 0);
}

TEST_F(DocFixture, CancelledOrRefusedChoiceChangesNothingAndDrawsNothing) {
  openByMenu(sample("short-2026-06-0.5mm.hyy"));
  const int count = doc.series().valueCount;
  views.calls.clear();
  for (const char* answer : {"", "ER", "*.HYX;*.HYY"}) {
    chooserAnswer = answer;
    doc.onOpenRecording();
  }
  EXPECT_TRUE(views.calls.empty());
  EXPECT_EQ(chooserCalls, 4);
  EXPECT_EQ(doc.series().valueCount, count);
  EXPECT_EQ(state.currentDataPath, sample("short-2026-06-0.5mm.hyy"));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocFixture, DamagedFileIsReportedAndThePreviousRecordingStays) {
  openByMenu(sample("short-2026-06-0.5mm.hyy"));
  const std::vector<double> before(doc.series().values, doc.series().values + doc.series().valueCount);
  const std::string title = doc.title();

  const std::string damaged = dir.file("damaged.hyy");
  ASSERT_TRUE(writeTestRecording(damaged, std::vector<uint16_t>(300, 2)));
  std::filesystem::resize_file(damaged, 400);  // cut in the middle of the samples
  views.calls.clear();
  chooserAnswer = damaged;
  doc.onOpenRecording();

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(damaged), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("大きさ"), std::string::npos);  // the size mismatch reason
  EXPECT_EQ(views.calls, std::vector<std::string>{"update"});
  EXPECT_EQ(doc.loadedFlag, 1);
  EXPECT_EQ(doc.title(), title);
  EXPECT_EQ(state.currentDataPath, sample("short-2026-06-0.5mm.hyy"));
  ASSERT_EQ(doc.series().valueCount, static_cast<int>(before.size()));
  EXPECT_TRUE(std::equal(before.begin(), before.end(), doc.series().values));
}

TEST_F(DocFixture, RecordIntervalOtherThan600LoadsAnEmptyGraphWithoutMessage) {
  const std::string odd = dir.file("five-minutes.hyy");
  ASSERT_TRUE(writeTestRecording(odd, std::vector<uint16_t>(500, 3), kJune2024, 300));
  openByMenu(odd);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.loadedFlag, 1);
  EXPECT_EQ(doc.series().valueCount, 0);
  EXPECT_EQ(doc.series().visibleCount, 0);
}

TEST_F(DocFixture, OpenPathGoesStraightToHourlyAndNamesTheDocumentAfterTheFile) {
  doc.intervalMode = IntervalMode::Monthly;
  ASSERT_TRUE(doc.onOpenDocument(sample("long-2024-0.5mm.hyy")));
  EXPECT_EQ(doc.intervalMode, IntervalMode::Hourly);
  EXPECT_FALSE(views.posted.has_value());
  EXPECT_EQ(doc.openedByDocument, 1);
  EXPECT_EQ(doc.loadedFlag, 1);
  EXPECT_EQ(doc.title(), "long-2024-0.5mm.hyy");
  EXPECT_EQ(doc.series().valueCount, builtCount<HourlySeries>(doc.recording()));
  EXPECT_EQ(doc.series().visibleCount, doc.series().valueCount);
  EXPECT_EQ(doc.series().firstShownIndex, 0);
  EXPECT_EQ(state.currentDataPath, sample("long-2024-0.5mm.hyy"));
}

TEST_F(DocFixture, FailingOpenPathKeepsTheCurrentFileCurrent) {
  ASSERT_TRUE(doc.onOpenDocument(sample("short-2026-06-0.5mm.hyy")));
  const std::string missing = dir.file("missing.hyy");
  EXPECT_FALSE(doc.onOpenDocument(missing));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(missing), std::string::npos);
  // A later overwrite must still go to the file that is shown.
  EXPECT_EQ(state.currentDataPath, sample("short-2026-06-0.5mm.hyy"));
  EXPECT_EQ(doc.title(), "short-2026-06-0.5mm.hyy");
  EXPECT_EQ(doc.loadedFlag, 1);
}

TEST_F(DocFixture, OpenPathStartsWithoutZoomHistoryAndSaysTheProgramEndsWhenRefused) {
  openByMenu(sample("short-2026-06-0.5mm.hyy"));
  doc.undoAvailable = true;
  views.calls.clear();
  ASSERT_TRUE(doc.onOpenDocument(sample("long-2024-0.5mm.hyy")));
  EXPECT_FALSE(doc.undoAvailable);
  EXPECT_EQ(countOf(views.calls, "resetWindow"), 1);

  // At start-up nothing is shown yet and the program ends after the
  // message: it must not promise that the shown data stays.
  const std::string missing = dir.file("gone.hyy");
  EXPECT_FALSE(doc.onOpenDocument(missing));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "記録ﾃﾞｰﾀ " + missing + " を開けません。\nﾌｧｲﾙが見つからないか、読み取れません。\nﾌﾟﾛｸﾞﾗﾑを終了します。");
  // The open command, by contrast, keeps what is shown and says so.
  chooserAnswer = missing;
  doc.onOpenRecording();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[1].text.find("表示中のﾃﾞｰﾀはそのままです。"), std::string::npos);
}

TEST_F(DocFixture, NamedFileOpenAsksFirstAndReportsEveryOutcome) {
  std::vector<std::pair<std::string, bool>> opened;
  doc.setOpenedHandler([&](const std::string& p, bool loaded) { opened.emplace_back(p, loaded); });
  const std::string first = sample("short-2026-06-0.5mm.hyy");
  const std::string second = sample("long-2024-0.5mm.hyy");
  EXPECT_EQ(doc.openRecordingFile(first), OpenResult::Opened);
  EXPECT_EQ(views.posted, IntervalMode::Hourly);  // ends hourly like the open command

  state.dataModified = 1;
  state.currentDataPath = first;
  messages.answerNext(MessageAnswer::Cancel);
  EXPECT_EQ(doc.openRecordingFile(second), OpenResult::Cancelled);
  EXPECT_EQ(state.currentDataPath, first);
  EXPECT_EQ(state.dataModified, 1);

  messages.answerNext(MessageAnswer::No);
  EXPECT_EQ(doc.openRecordingFile(second), OpenResult::Opened);
  EXPECT_EQ(state.currentDataPath, second);
  EXPECT_EQ(state.dataModified, 0);

  EXPECT_EQ(doc.openRecordingFile(dir.file("gone.hyy")), OpenResult::Failed);
  EXPECT_EQ(state.currentDataPath, second);
  const std::vector<std::pair<std::string, bool>> expected{{first, true}, {second, true}, {dir.file("gone.hyy"), false}};
  EXPECT_EQ(opened, expected);
  ASSERT_EQ(messages.shown.size(), 3u);  // two prompts and the load failure
  EXPECT_NE(messages.shown[2].text.find("表示中のﾃﾞｰﾀはそのままです。"), std::string::npos);
}

TEST_F(DocFixture, CloseEmptiesTheDocumentAndReopenShowsTheRecordingAgain) {
  openByMenu(sample("short-2026-06-0.5mm.hyy"));
  const int count = doc.series().valueCount;
  doc.series().cursorA = 3;
  doc.series().cursorB = 7;
  views.calls.clear();

  doc.onCloseRecording();
  EXPECT_EQ(doc.title(), "Untitled");
  EXPECT_EQ(doc.loadedFlag, 0);
  EXPECT_EQ(doc.series().visibleCount, 0);
  EXPECT_EQ(doc.series().cursorA, 0);
  EXPECT_EQ(doc.series().cursorB, 0);
  EXPECT_EQ(countOf(views.calls, "postCloseDataList"), 1);
  EXPECT_EQ(countOf(views.calls, "showNoData"), 1);
  EXPECT_EQ(views.calls.back(), "update");
  const EnablingInputs in = doc.enablingInputs();
  EXPECT_EQ(documentEnables(cmd::OpenRecording, in), true);
  EXPECT_EQ(documentEnables(cmd::CloseRecording, in), false);
  EXPECT_EQ(documentEnables(cmd::IntervalDaily, in), false);

  openByMenu(sample("short-2026-06-0.5mm.hyy"));
  EXPECT_EQ(doc.loadedFlag, 1);
  EXPECT_EQ(doc.series().valueCount, count);
  EXPECT_EQ(doc.series().visibleCount, count);
  EXPECT_EQ(doc.intervalMode, IntervalMode::Hourly);
}

TEST_F(DocFixture, RebuildFollowsTheModeAndKeepsTheWindowWhileLoaded) {
  ASSERT_TRUE(doc.onOpenDocument(sample("long-2024-0.5mm.hyy")));
  const RecordingBuffer& r = doc.recording();
  const int expected[4] = {builtCount<HourlySeries>(r), builtCount<DailySeries>(r),
                           builtCount<TenMinuteSeries>(r), builtCount<MonthlySeries>(r)};
  doc.series().visibleCount = 5;
  for (int m = 0; m < 4; ++m) {
    doc.intervalMode = static_cast<IntervalMode>(m);
    doc.verticalMax(doc.intervalMode) = 10 * (m + 1);
    doc.rebuild();
    EXPECT_EQ(doc.series().valueCount, expected[m]) << m;
    EXPECT_EQ(doc.series().intervalMode, doc.intervalMode);
    EXPECT_EQ(doc.series().verticalMax, 10 * (m + 1));
    EXPECT_EQ(doc.series().visibleCount, 5) << "a loaded document keeps its window";
  }
  EXPECT_GT(expected[2], expected[0]);
  EXPECT_GT(expected[0], expected[1]);
  EXPECT_GT(expected[1], expected[3]);
  // The values are the builder's, in order.
  doc.intervalMode = IntervalMode::Daily;
  doc.rebuild();
  DailySeries daily;
  daily.build(r);
  EXPECT_TRUE(std::equal(daily.values.get(), daily.values.get() + daily.valueCount, doc.series().values));
}
