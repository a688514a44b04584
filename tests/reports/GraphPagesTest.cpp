// The chart job's texts: value-list labels per interval (midnight, months
// across years), the summary's ranges, a window reaching past the series'
// end, no recording loaded, the data name field, and where page 1 and the
// list pages put their texts.
#include "GraphPages.h"
#include "RecordingBuffer.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<DisplaySeries> series(IntervalMode mode, int64_t start, std::vector<double> values) {
  auto s = std::make_unique<DisplaySeries>();
  s->setValues(values.data(), static_cast<int>(values.size()));
  s->intervalMode = mode;
  s->seriesStart = static_cast<int32_t>(start);
  s->visibleCount = s->valueCount;
  return s;
}

const PageMetrics kA4{210, 297, 4961, 7016, 600, 600};

}  // namespace

TEST(GraphPages, ValueListLabelsPerInterval) {
  auto hourly = series(IntervalMode::Hourly, jst(2020, 3, 1, 0, 0), std::vector<double>(30, 1.25));
  EXPECT_EQ(valueListEntry(*hourly, 0), "2020/03/01  ～01:00    1.2mm");
  EXPECT_EQ(valueListEntry(*hourly, 23), "2020/03/02  ～00:00    1.2mm");
  auto daily = series(IntervalMode::Daily, jst(2020, 2, 28, 0, 0), {0.0, 12.5});
  EXPECT_EQ(valueListEntry(*daily, 1), "2020/02/29   12.5mm");
  auto tenMinute = series(IntervalMode::TenMinute, jst(2020, 3, 1, 23, 40), {0.5, 0.5});
  EXPECT_EQ(valueListEntry(*tenMinute, 1), "2020/03/02  ～00:00    0.5mm");
  // November 2019 to March 2022.
  auto monthly = series(IntervalMode::Monthly, jst(2019, 11, 1, 0, 0), std::vector<double>(29, 100.0));
  EXPECT_EQ(valueListEntry(*monthly, 0), "2019/11  100.0mm");
  EXPECT_EQ(valueListEntry(*monthly, 2), "2020/01  100.0mm");
  EXPECT_EQ(valueListEntry(*monthly, 13), "2020/12  100.0mm");
  EXPECT_EQ(valueListEntry(*monthly, 28), "2022/03  100.0mm");
}

TEST(GraphPages, SummaryRangesPerInterval) {
  auto daily = series(IntervalMode::Daily, jst(2019, 12, 1, 0, 0), std::vector<double>(60, 2.0));
  daily->firstShownIndex = 31;  // 1 January 2020
  daily->visibleCount = 3;
  GraphSummary g = graphSummary(*daily);
  EXPECT_EQ(g.rangeStart, "2019/12/31 00:00");
  EXPECT_EQ(g.rangeEnd, "～2020/01/04 00:00");
  EXPECT_EQ(g.interval, "1日");
  EXPECT_EQ(g.count, "3");
  EXPECT_EQ(g.average, "  2.0mm");

  auto monthly = series(IntervalMode::Monthly, jst(2019, 11, 1, 0, 0), std::vector<double>(29, 1.0));
  g = graphSummary(*monthly);
  EXPECT_EQ(g.rangeStart, "2019/11/01 00:00");
  EXPECT_EQ(g.rangeEnd, "～2022/03/31 00:00");
  monthly->firstShownIndex = 3;  // February 2020 to February 2021
  monthly->visibleCount = 13;
  g = graphSummary(*monthly);
  EXPECT_EQ(g.rangeStart, "2020/02/01 00:00");
  EXPECT_EQ(g.rangeEnd, "～2021/02/28 00:00");

  auto hourly = series(IntervalMode::Hourly, jst(2020, 3, 1, 0, 0), {1.0, 4.0, 0.5});
  g = graphSummary(*hourly);
  EXPECT_EQ(g.rangeStart, "2020/03/01 00:00");
  EXPECT_EQ(g.rangeEnd, "～2020/03/01 03:00");
  EXPECT_EQ(g.maximum, "  4.0mm");
  EXPECT_EQ(g.average, "  1.8mm");
}

TEST(GraphPages, WindowPastTheEndReadsOnlyTheValuesThatExist) {
  std::vector<double> values(120, 1.0);
  values[119] = 9.0;
  auto s = series(IntervalMode::Hourly, jst(2020, 3, 1, 0, 0), values);
  // Half a million doubles lie behind the store; a value read past the
  // count would show up in the maximum or the average.
  for (int i = 120; i < 200; ++i) s->values[i] = 1000.0;
  s->firstShownIndex = 100;
  s->visibleCount = 50;
  GraphSummary g = graphSummary(*s);
  EXPECT_EQ(g.count, "20");
  EXPECT_EQ(g.maximum, "  9.0mm");
  EXPECT_EQ(g.average, "  1.4mm");
  s->firstShownIndex = 120;
  g = graphSummary(*s);
  EXPECT_EQ(g.count, "0");
  EXPECT_EQ(g.average, "  0.0mm");
  EXPECT_EQ(g.maximum, "  0.0mm");

  auto layout = planPrintLayout(kA4, PaperOrientation::Portrait, 83, PrintMode{}, 20);
  ASSERT_TRUE(layout);
  s->firstShownIndex = 100;
  GraphPrintData data{s.get(), true, "", 0};
  const ReportPage list = valueListPage(*layout, data, 2);
  EXPECT_EQ(list.texts.size(), 3u + 20u);  // headings and the twenty values
  EXPECT_EQ(list.texts[20].text, "2020/03/06  ～00:00    9.0mm");  // column 1, after its heading
}

TEST(GraphPages, PageOneWithoutARecordingHasOnlyThePrintTime) {
  auto layout = planPrintLayout(kA4, PaperOrientation::Portrait, 83, PrintMode{}, 0);
  ASSERT_TRUE(layout);
  auto s = series(IntervalMode::Hourly, jst(2020, 3, 1, 0, 0), {1.0});
  GraphPrintData data{s.get(), false, "name", jst(2026, 1, 2, 3, 4)};
  ReportPage page = graphFirstPage(*layout, data);
  ASSERT_EQ(page.texts.size(), 1u);
  EXPECT_FALSE(page.hasChart);
  // (r1.right - 10f, r1.top - 2f), f = 68.
  EXPECT_EQ(page.texts[0], (ReportText{4607 - 680, 590 - 136, ReportFont::Graph, "2026/01/02 03:04"}));
  EXPECT_TRUE(valueListPage(*layout, data, 2).texts.empty());

  data.loaded = true;
  page = graphFirstPage(*layout, data);
  EXPECT_TRUE(page.hasChart);
  EXPECT_EQ(page.chart, layout->rects.r1);
  // Labels underlined in the label font, values in the summary font, on a
  // grid of quarters and double font heights.
  const ReportRect& r2 = layout->rects.r2;
  const int q = (r2.right - r2.left) / 4;
  EXPECT_EQ(page.textsAt(r2.left, r2.top), std::vector<std::string>{"機種名"});
  EXPECT_EQ(page.textsAt(r2.left + q, r2.top), std::vector<std::string>{"name"});
  EXPECT_EQ(page.find("ｻﾝﾌﾟﾙ数")->y, r2.top + 2 * 88);
  EXPECT_EQ(page.find("表示範囲")->x, r2.left + (r2.right - r2.left) / 2);
  EXPECT_EQ(page.find("～2020/03/01 01:00")->y, r2.top + 6 * 88);
  EXPECT_EQ(page.find("～2020/03/01 01:00")->x, r2.left + (r2.right - r2.left) * 3 / 4);
  EXPECT_EQ(page.find("機種名")->font, ReportFont::Label);
  EXPECT_EQ(page.find("name")->font, ReportFont::Summary);
}

TEST(GraphPages, ListPagesFillColumnAfterColumnAndPageAfterPage) {
  auto layout = planPrintLayout(kA4, PaperOrientation::Portrait, 83, PrintMode{}, 0);
  ASSERT_TRUE(layout);
  const int lines = layout->lines;
  auto s = series(IntervalMode::Daily, jst(2020, 1, 1, 0, 0), std::vector<double>(3 * lines + 2, 0.0));
  GraphPrintData data{s.get(), true, "", 0};
  const ReportRect& r1 = layout->rects.r1;
  const int x2 = r1.left + (layout->rects.r2.right - r1.left) / 3;
  ReportPage p2 = valueListPage(*layout, data, 2);
  EXPECT_EQ(p2.textsAt(x2, r1.top - 70), std::vector<std::string>{"日付／時間"});
  EXPECT_EQ(p2.textsAt(x2, r1.top + 30), std::vector<std::string>{valueListEntry(*s, lines)});
  EXPECT_EQ(p2.textsAt(r1.left, r1.top + 30 + (lines - 1) * 51), std::vector<std::string>{valueListEntry(*s, lines - 1)});
  ReportPage p3 = valueListPage(*layout, data, 3);
  EXPECT_EQ(p3.texts.size(), 3u + 2u);
  EXPECT_EQ(p3.textsAt(r1.left, r1.top + 30 + 51), std::vector<std::string>{valueListEntry(*s, 3 * lines + 1)});
}

TEST(GraphPages, DataNameIsReadAsAtMost32ShiftJisBytes) {
  auto rec = std::make_unique<RecordingBuffer>();
  std::memset(rec.get(), 0, sizeof *rec);
  // Sixteen double-byte characters fill the field with no terminator; the
  // start time after it is not part of the name.
  const char twoBytes[] = "\x8a\xcf";  // 観
  for (int i = 0; i < 16; ++i) std::memcpy(rec->dataName + 2 * i, twoBytes, 2);
  rec->startTime = 0x41414141;
  std::string expected;
  for (int i = 0; i < 16; ++i) expected += "観";
  EXPECT_EQ(printDataName(*rec), expected);
  std::memset(rec->dataName, 0, sizeof rec->dataName);
  std::memcpy(rec->dataName, "\xC3\xD9\xB6 A", 5);  // half-width ﾃﾙｶ
  EXPECT_EQ(printDataName(*rec), "ﾃﾙｶ A");
}
