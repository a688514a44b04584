// The rain analysis of a small hand-made recording: the sort orders of its
// tables, and the printed pages - the cells of both tables, where they
// stand, the titles and page numbers, the rows carried over to the next
// page and the smaller font of a table too wide for the paper.
#include "RainAnalysisPages.h"

#include "SampleRecording.h"
#include "TempDir.h"
#include "TestRecordings.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Ten pixels a byte: positions can be worked out by hand.
int tenPerByte(const std::string& s) { return static_cast<int>(s.size()) * 10; }

// The body texts on the grid row whose top is y, left to right.
std::vector<std::string> rowAt(const ReportPage& page, int y) {
  std::vector<const ReportText*> found;
  for (const ReportText& t : page.texts)
    if (t.font == ReportFont::TableBody && t.y == y) found.push_back(&t);
  std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->x < b->x; });
  std::vector<std::string> out;
  for (const ReportText* t : found) out.push_back(t->text);
  return out;
}

class RainAnalysisPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // 2024-06-01 00:00 onwards, 0.5 mm a count: 1.0 and 2.0 mm in the second
    // and third slots, seven dry hours, then 0.5 mm and a dry day.
    std::vector<uint16_t> samples(200, 0);
    samples[1] = 2;
    samples[2] = 4;
    samples[45] = 1;
    const std::string path = dir.file("small.hyy");
    ASSERT_TRUE(writeTestRecording(path, samples));
    recording = loadSampleRecording(path.c_str());
    ASSERT_NE(recording, nullptr);
    ASSERT_TRUE(results.load(*recording, RainAnalysisSettings{}));
    print = {"TEST", results.settings(), results.table(AnalysisTab::Events), results.table(AnalysisTab::Maxima)};
    layout.area = {100, 200, 2900, 0};
    layout.fonts.tableBody = 20;
    layout.fonts.tableTitle = 40;
  }

  TempDir dir;
  std::unique_ptr<RecordingBuffer> recording;
  RainAnalysisResults results;
  RainAnalysisPrint print;
  AnalysisPageLayout layout;
};

TEST_F(RainAnalysisPagesTest, BothTablesWithTheirCellsTitlesAndPageNumbers) {
  layout.area.bottom = 2000;
  const std::vector<ReportPage> pages = buildRainAnalysisPages(print, layout, tenPerByte);
  ASSERT_EQ(pages.size(), 2u);
  const ReportPage& events = pages[0];
  ASSERT_NE(events.find("降雨ｲﾍﾞﾝﾄ"), nullptr);
  EXPECT_EQ(events.find("降雨ｲﾍﾞﾝﾄ")->font, ReportFont::TableTitle);
  EXPECT_NE(events.find("無降雨間隔 360分"), nullptr);
  EXPECT_NE(events.find("TEST"), nullptr);
  EXPECT_NE(events.find("1 / 2"), nullptr);
  EXPECT_NE(pages[1].find("2 / 2"), nullptr);
  EXPECT_NE(pages[1].find("期間最大雨量"), nullptr);

  // Grid top: area top + two title heights + one row (20 + 10 padding).
  const int top = 200 + 80 + 30;
  EXPECT_EQ(rowAt(events, top + 5),
            (std::vector<std::string>{"開始", "終了", "継続時間(分)", "総雨量(mm)", "最大10分(mm)", "最大10分の時刻",
                                      "最大60分(mm)", "最大60分の終了", "平均強度(mm/h)", "先行無降雨(分)", "備考"}));
  EXPECT_EQ(rowAt(events, top + 35),
            (std::vector<std::string>{"2024/06/01 00:10", "2024/06/01 00:30", "20", "3.0", "2.0", "2024/06/01 00:30",
                                      "3.0", "2024/06/01 00:30", "9.00"}));
  EXPECT_EQ(rowAt(events, top + 65),
            (std::vector<std::string>{"2024/06/01 07:30", "2024/06/01 07:40", "10", "0.5", "0.5", "2024/06/01 07:40",
                                      "0.5", "2024/06/01 07:40", "3.00", "420"}));
  EXPECT_TRUE(rowAt(events, top + 95).empty());

  // Numbers stand right in their column, texts left; a column is its widest
  // text + 2 x 10: two times of 16 bytes, "継続時間(分)" of 17, "総雨量(mm)" of 13.
  const int totalRight = 100 + (160 + 20) * 2 + (170 + 20) + (130 + 20);
  bool found = false;
  for (const ReportText& t : events.texts)
    if (t.text == "3.0" && t.y == top + 35 && t.x + 30 == totalRight - 10) found = true;
  EXPECT_TRUE(found);

  // Maxima: whole recording then the year, eight durations each; only
  // windows wholly inside the recording count (the first hour ends at
  // 01:00), and a 72-hour window does not fit in 200 slots.
  const ReportPage& maxima = pages[1];
  EXPECT_EQ(rowAt(maxima, top + 35), (std::vector<std::string>{"全期間", "10分", "2.0", "2024/06/01 00:30"}));
  EXPECT_EQ(rowAt(maxima, top + 65), (std::vector<std::string>{"全期間", "1時間", "3.0", "2024/06/01 01:00"}));
  EXPECT_EQ(rowAt(maxima, top + 5 + 30 * 8), (std::vector<std::string>{"全期間", "72時間"}));
  EXPECT_EQ(rowAt(maxima, top + 5 + 30 * 9), (std::vector<std::string>{"2024年", "10分", "2.0", "2024/06/01 00:30"}));
}

TEST_F(RainAnalysisPagesTest, SortsNumbersByValueDurationsByLengthAndEmptyCellsLast) {
  const AnalysisTable& events = results.table(AnalysisTab::Events);
  ASSERT_EQ(events.rows.size(), 2u);
  // dry_before_min: empty for the first event, 420 for the second.
  EXPECT_EQ(sortedRows(events, 9, false), (std::vector<int>{1, 0}));
  EXPECT_EQ(sortedRows(events, 9, true), (std::vector<int>{1, 0}));
  // total_mm 3.0 and 0.5; start times.
  EXPECT_EQ(sortedRows(events, 3, false), (std::vector<int>{1, 0}));
  EXPECT_EQ(sortedRows(events, 0, true), (std::vector<int>{1, 0}));

  // Maxima by duration: 10 min before 1 h before 12 h (not "10min" < "12h"
  // < "1h" as bytes); the whole recording's row before the year's on ties,
  // and the empty 72-hour values last.
  const AnalysisTable& maxima = results.table(AnalysisTab::Maxima);
  const std::vector<int> byDuration = sortedRows(maxima, 1, false);
  std::vector<std::string> labels;
  for (int r : byDuration) labels.push_back(maxima.rows[static_cast<size_t>(r)][1].text);
  EXPECT_EQ(labels, (std::vector<std::string>{"10min", "10min", "1h", "1h", "3h", "3h", "6h", "6h", "12h", "12h",
                                              "24h", "24h", "48h", "48h", "72h", "72h"}));
  EXPECT_EQ(byDuration.front(), 0);
  const std::vector<int> byMax = sortedRows(maxima, 2, true);
  EXPECT_TRUE(maxima.rows[static_cast<size_t>(byMax.back())][2].text.empty());
  // Twelve hours and more hold both events: 3.0 + 0.5.
  EXPECT_EQ(maxima.rows[static_cast<size_t>(byMax.front())][2].text, "3.5");
}

TEST_F(RainAnalysisPagesTest, ATableTooWideForThePaperGetsASmallerFont) {
  layout.area.bottom = 2000;
  std::vector<ReportPage> pages = buildRainAnalysisPages(print, layout, tenPerByte);
  EXPECT_EQ(layout.fonts.tableBody, 20);  // 1980 pixels of event table fit in 2800
  layout.area.right = 100 + 990;
  pages = buildRainAnalysisPages(print, layout, tenPerByte);
  EXPECT_EQ(layout.fonts.tableBody, 9);  // 20 x 0.98 x 990 / 1980
  for (const ReportPage& page : pages)
    for (const ReportLine& l : page.lines) EXPECT_LE(std::max(l.x1, l.x2), 1090);
}

TEST_F(RainAnalysisPagesTest, RowsGoOnOnTheNextPageUnderTheHeaderAgain) {
  // Room for the header and three rows: the sixteen maxima rows take six
  // pages, the event table one.
  layout.area.bottom = 200 + 80 + 30 + 30 * 4 + 40 + 29;
  const std::vector<ReportPage> pages = buildRainAnalysisPages(print, layout, tenPerByte);
  ASSERT_EQ(pages.size(), 7u);
  const int top = 200 + 80 + 30;
  for (size_t p = 1; p < pages.size(); ++p) {
    EXPECT_EQ(rowAt(pages[p], top + 5), (std::vector<std::string>{"期間", "継続時間", "最大雨量(mm)", "終了時刻"}))
        << p;
    EXPECT_NE(pages[p].find(std::to_string(p + 1) + " / 7"), nullptr);
  }
  EXPECT_EQ(rowAt(pages[2], top + 35).front(), "全期間");
  EXPECT_EQ(rowAt(pages[2], top + 35)[1], "6時間");
  EXPECT_EQ(rowAt(pages[6], top + 35), (std::vector<std::string>{"2024年", "72時間"}));
}

}  // namespace
