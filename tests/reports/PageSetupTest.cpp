// Page set-up of a print job: A4 margins and font heights in both
// orientations at 600 dpi, the page count of the value list, and metrics so
// small or broken that nothing can be drawn.
#include "GraphPages.h"
#include "PageSetup.h"

#include <gtest/gtest.h>

namespace {

// A4 at 600 dpi, the whole sheet printable.
const PageMetrics kA4Portrait{210, 297, 4961, 7016, 600, 600};
const PageMetrics kA4Landscape{297, 210, 7016, 4961, 600, 600};

double mm(int px) { return px * 25.4 / 600; }

}  // namespace

TEST(PageSetup, A4MarginsInBothOrientations) {
  const PageMargins p = GetPageMargins(kA4Portrait, PaperOrientation::Portrait);
  EXPECT_EQ(p, (PageMargins{590, 354, 590, 236}));
  EXPECT_NEAR(mm(p.left), 25.0, 0.1);
  EXPECT_NEAR(mm(p.right), 15.0, 0.1);
  EXPECT_NEAR(mm(p.bottom), 10.0, 0.1);
  const PageMargins l = GetPageMargins(kA4Landscape, PaperOrientation::Landscape);
  EXPECT_EQ(l, (PageMargins{393, 236, 393, 157}));
  EXPECT_NEAR(mm(l.left), 16.7, 0.1);
  EXPECT_NEAR(mm(l.right), 10.0, 0.1);
  EXPECT_NEAR(mm(l.top), 16.7, 0.1);
  EXPECT_NEAR(mm(l.bottom), 6.7, 0.1);
}

TEST(PageSetup, RectanglesAndFontHeightsFollowThePrintableHeight) {
  const auto graph = planPrintLayout(kA4Portrait, PaperOrientation::Portrait, 83, PrintMode{-1, 0, 0}, 10);
  ASSERT_TRUE(graph);
  // hp = 7016 - 590 - 236 = 6190.
  EXPECT_EQ(graph->rects.r1, (ReportRect{590, 590, 4961 - 354, 7016 - 1754 - 236}));
  EXPECT_EQ(graph->rects.r2, (ReportRect{590, 5026 + 5 * 83, 4607, 7016 - 236}));
  EXPECT_EQ(graph->fonts.graph, 68);
  EXPECT_EQ(graph->fonts.label, 88);
  EXPECT_EQ(graph->fonts.summary, 88);
  EXPECT_EQ(graph->fonts.list, 51);
  EXPECT_EQ(graph->fonts.tableBody, 0);
  EXPECT_EQ(graph->columns, 3);

  const auto month = planPrintLayout(kA4Portrait, PaperOrientation::Portrait, 83, PrintMode{-1, 1, 0}, 10);
  ASSERT_TRUE(month);
  EXPECT_EQ(month->fonts.tableTitle, 123);
  EXPECT_EQ(month->fonts.tableBody, 34);
  EXPECT_EQ(month->fonts.graph, 0);
  EXPECT_EQ(month->lastPage, 1);
  EXPECT_EQ(month->rects.table, (ReportRect{590, 590 + (5026 - 590) / 7, 4607, 6780}));

  // Landscape: hp = 4961 - 393 - 157 = 4411.
  const auto wide = planPrintLayout(kA4Landscape, PaperOrientation::Landscape, 83, PrintMode{-1, 0, 0}, 10);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->fonts.graph, 63);
  EXPECT_EQ(wide->fonts.label, 88);
  EXPECT_EQ(wide->fonts.list, 49);
  EXPECT_EQ(wide->columns, 6);
  const auto year = planPrintLayout(kA4Landscape, PaperOrientation::Landscape, 83, PrintMode{0, 1, 1}, 10);
  ASSERT_TRUE(year);
  EXPECT_EQ(year->fonts.tableTitle, 147);
  EXPECT_EQ(year->fonts.tableBody, 73);
}

TEST(PageSetup, ValueListPagesAtThreeColumnsOfForty) {
  EXPECT_EQ(listPageCount(120, 3, 40), 1);
  EXPECT_EQ(listPageCount(121, 3, 40), 2);
  EXPECT_EQ(listPageCount(0, 3, 40), 1);
  EXPECT_EQ(listPageCount(240, 3, 40), 2);
  // A page whose summary block holds exactly 40 list lines.
  PageMetrics m = kA4Portrait;
  auto layout = planPrintLayout(m, PaperOrientation::Portrait, 0, PrintMode{-1, 0, 0}, 121);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->lines, (7016 - 236 - 5026) / 51);
  const int lines = layout->lines;
  EXPECT_EQ(layout->lastPage, 1 + (121 + 3 * lines - 1) / (3 * lines));
}

TEST(PageSetup, UnusableOrTinyPagesDrawNothingAndNeverDivideByZero) {
  for (int field = 0; field < 6; ++field) {
    PageMetrics m = kA4Portrait;
    int* fields[] = {&m.widthMm, &m.heightMm, &m.widthPx, &m.heightPx, &m.dpiX, &m.dpiY};
    *fields[field] = 0;
    EXPECT_FALSE(planPrintLayout(m, PaperOrientation::Portrait, 83, PrintMode{}, 100)) << field;
  }
  // A stamp-sized page: the list font has no height and the summary block
  // lies upside down.
  const PageMetrics stamp{10, 10, 40, 40, 100, 100};
  const auto layout = planPrintLayout(stamp, PaperOrientation::Portrait, 83, PrintMode{-1, 0, 0}, 500);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->fonts.list, 0);
  EXPECT_EQ(layout->lines, 0);
  EXPECT_EQ(layout->lastPage, 2);
  EXPECT_EQ(linesPerColumn(layout->rects, 7), 0);
  std::vector<double> values(500, 1.0);
  DisplaySeries series;
  series.setValues(values.data(), 500);
  series.visibleCount = 500;
  GraphPrintData data{&series, true, "x", 0};
  EXPECT_TRUE(valueListPage(*layout, data, 2).texts.empty());
  EXPECT_FALSE(graphFirstPage(*layout, data).texts.empty());
}
