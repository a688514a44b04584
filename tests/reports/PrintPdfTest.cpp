// Print jobs through Qt's printer into PDF files, read back with poppler's
// tools: every text where the page data puts it (pdftotext -bbox), the
// Japanese font embedded (pdffonts), the grid lines on the pixels the cells
// are framed by (pdftoppm), the chart job's pages; and what a job must leave
// as it found it: the chart control's pitch and last tick, the pending
// changes, and no file when the job could not start.
#include "ChartOverlayData.h"
#include "DrawingSurfaceRecorder.h"
#include "ChartPainter.h"
#include "HourlyMonthTable.h"
#include "RecordingState.h"
#include "PrinterOutput.h"
#include "ReportRenderer.h"
#include "PdfText.h"
#include "TempDir.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <vector>

namespace {

using pdftext::run;
using pdftext::Word;

const Word* findWord(const std::vector<Word>& ws, const std::string& text) {
  for (const Word& w : ws)
    if (w.text == text) return &w;
  return nullptr;
}

double points(int px) { return px * 72.0 / 600.0; }

// A month of 1 mm every hour, with a few wide and zero values.
TableSnapshot mayOf2019() {
  TableSnapshot s;
  s.tableStart = jst(2019, 5, 1, 0, 0);
  s.seriesStart = static_cast<int32_t>(s.tableStart);
  s.stationName = "観測所";
  s.values.assign(31 * 24, 1.0);
  s.values[0] = 12.5;
  s.values[1] = 0.0;
  return s;
}

// The page data a job on an A4 PDF printer computes for a table.
ReportPage tablePageData(const TableSnapshot& snap, const std::string& pdf) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf));
  printer.setPageSize(QPageSize(QPageSize::A4));
  setUpPrinter(printer);
  ReportPrintJob job(nullptr);
  PrintSource source;
  source.mode = PrintMode{-1, 1, 0};
  source.table = &snap;
  EXPECT_TRUE(job.beginPrinting(printer, printerOrientation(printer), source));
  ReportPage page = job.pageData(1);
  job.endPrinting();
  return page;
}

}  // namespace

TEST(PrintPdf, MonthlyTableTextsFontAndGridAreWhereThePageSays) {
  if (!pdftext::havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  TempDir dir;
  const TableSnapshot snap = mayOf2019();
  const std::string pdf = dir.file("month.pdf");
  ASSERT_EQ(printTableToPdf(pdf, snap, TableKind::HourlyMonth, PaperOrientation::Portrait), 1);
  const ReportPage page = tablePageData(snap, dir.file("scratch.pdf"));

  const std::vector<Word> ws = pdftext::words(pdf);
  // Texts the page data places, found at their places (pdftotext reports a
  // word's box from the font's ascent, so the top is within a point).
  struct Expect {
    std::string pageText;
    std::string pdfWord;
  } expects[] = {{"観測所", "観測所"}, {"12.5", "12.5"}, {" 観測所記号", "観測所記号"}, {"令和 1 年 05 月", "令和"}};
  for (const Expect& e : expects) {
    const ReportText* t = page.find(e.pageText);
    ASSERT_NE(t, nullptr) << e.pageText;
    const Word* w = nullptr;
    for (const Word& c : ws)
      if (c.text == e.pdfWord && std::abs(c.yMin - points(t->y)) < 1.5) w = &c;
    ASSERT_NE(w, nullptr) << e.pdfWord;
    // A leading blank in the page text puts the word one blank further right.
    if (e.pageText[0] != ' ') {
      EXPECT_NEAR(w->xMin, points(t->x), 0.3) << e.pageText;
    }
    EXPECT_NEAR(w->yMin, points(t->y), 1.5) << e.pageText;
  }
  // Numbers end where three-character numbers end.
  const Word* wide = findWord(ws, "12.5");
  const Word* narrow = nullptr;
  for (const Word& c : ws)
    if (c.text == "1.0" && std::abs(c.yMin - wide->yMin) < 0.5 && c.xMin > wide->xMin) narrow = narrow ? narrow : &c;
  ASSERT_NE(narrow, nullptr);
  const int L = (4607 - 590) / 34;
  EXPECT_NEAR(wide->xMax, narrow->xMax - points(L), 0.3);
  // The title and every Japanese text come in the embedded face.
  const std::string fonts = run("pdffonts '" + pdf + "'");
  EXPECT_TRUE(std::regex_search(fonts, std::regex("IPAexGothic +CID TrueType +Identity-H +yes"))) << fonts;

  // Grid lines on the pixels: every horizontal line of the page is dark at
  // 150 dpi (a quarter of the print resolution), the rows between are not.
  run("pdftoppm -gray -aa no -aaVector no -r 150 '" + pdf + "' '" + dir.file("month") + "'");
  QImage image(QString::fromStdString(dir.file("month-1.pgm")));
  ASSERT_FALSE(image.isNull());
  auto dark = [&](int xPx, int yPx) {
    for (int dy = -1; dy <= 1; ++dy)
      if (qGray(image.pixel(xPx / 4, yPx / 4 + dy)) < 128) return true;
    return false;
  };
  int checked = 0;
  for (const ReportLine& l : page.lines) {
    if (l.y1 != l.y2 || l.x2 - l.x1 < 1000) continue;
    const int x = (l.x1 + l.x2) / 2 + 20;
    EXPECT_TRUE(dark(x, l.y1)) << l.y1;
    EXPECT_FALSE(dark(x, l.y1 + 40)) << l.y1 + 40;
    ++checked;
  }
  EXPECT_EQ(checked, 2 + 28);  // station band top and bottom, grid
}

TEST(PrintPdf, ChartJobPrintsItsSummaryAndEveryValueOnListPages) {
  if (!pdftext::havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  TempDir dir;
  auto series = std::make_unique<DisplaySeries>();
  std::vector<double> values(500, 0.5);
  values[7] = 42.5;
  series->setValues(values.data(), 500);
  series->seriesStart = jst(2020, 3, 1, 0, 0);
  series->intervalMode = IntervalMode::Hourly;
  series->verticalMax = 100;
  series->visibleCount = 500;
  GraphPrintData data{series.get(), true, "ﾃﾙｶ 観測所", jst(2026, 1, 2, 3, 4)};
  const std::string pdf = dir.file("chart.pdf");
  const int pages = printGraphToPdf(pdf, data, PaperOrientation::Portrait);
  ASSERT_GT(pages, 2);
  EXPECT_TRUE(std::regex_search(run("pdfinfo '" + pdf + "'"), std::regex("Pages: +" + std::to_string(pages) + "\n")));
  const std::string text = pdftext::text(pdf);
  for (const char* s : {"2026/01/02 03:04", "機種名", "ﾃﾙｶ 観測所", "42.5mm", "500", "1時間", "2020/03/01 00:00",
                        "～2020/03/21 20:00", "2020/03/02 ～00:00 0.5mm", "2020/03/01 ～08:00 42.5mm", "日付／時間"})
    EXPECT_NE(text.find(s), std::string::npos) << s;
  // Landscape lists six columns a page.
  const int wide = printGraphToPdf(dir.file("wide.pdf"), data, PaperOrientation::Landscape);
  EXPECT_LT(wide, pages);
}

TEST(PrintPdf, PrintingLeavesTheScreenChartsPitchAndLastTick) {
  auto series = std::make_unique<DisplaySeries>();
  std::vector<double> values(50, 1.0);
  series->setValues(values.data(), 50);
  series->seriesStart = jst(2020, 3, 1, 0, 0);
  series->verticalMax = 100;
  series->visibleCount = 50;
  auto screen = [&] {
    QImage image(600, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(50, 18);
    ChartInput in;
    in.right = 500;
    in.bottom = 200;
    in.series = series.get();
    return ChartPainter::paint(painter, ChartPainter::labelFont(), std::move(in));
  };
  const ChartScene before = screen();
  ASSERT_TRUE(before.hasLastTick);
  EXPECT_DOUBLE_EQ(before.barPitch, 496.0 / 50);
  EXPECT_DOUBLE_EQ(before.lastTick, 2 + 496.0 / 50 / 2 + 50 * (496.0 / 50));
  TempDir dir;
  GraphPrintData data{series.get(), true, "", 0};
  ASSERT_GT(printGraphToPdf(dir.file("chart.pdf"), data, PaperOrientation::Landscape), 0);
  // The page's chart is far wider; the screen's drawing is as it was.
  const ChartScene after = screen();
  EXPECT_EQ(after.barPitch, before.barPitch);
  EXPECT_EQ(after.lastTick, before.lastTick);
  EXPECT_EQ(after.barRects, before.barRects);
  EXPECT_EQ(after.labels, before.labels);
}

// The chart page draws the overlay curves with their legend, as the screen
// does; without them the page has neither.
TEST(PrintPdf, ChartPageCarriesTheOverlay) {
  auto series = std::make_unique<DisplaySeries>();
  std::vector<double> values(48, 2.0);
  series->setValues(values.data(), 48);
  series->seriesStart = jst(2020, 3, 1, 0, 0);
  series->intervalMode = IntervalMode::Hourly;
  series->verticalMax = 100;
  series->visibleCount = 48;
  ChartOverlayData curves;
  curves.slotStart = series->seriesStart;
  curves.curves.push_back({"連続雨量", std::vector<double>(48 * 6, 0.0)});
  curves.curves.push_back({"実効雨量 72h", std::vector<double>(48 * 6, 0.0)});
  for (size_t k = 0; k < 48 * 6; ++k) curves.curves[0].mm[k] = curves.curves[1].mm[k] = k / 3.0;
  TempDir dir;
  GraphPrintData data{series.get(), true, "", 0};
  const std::string plain = dir.file("plain.pdf");
  ASSERT_GT(printGraphToPdf(plain, data, PaperOrientation::Landscape), 0);
  data.overlay = &curves;
  const std::string over = dir.file("overlay.pdf");
  ASSERT_GT(printGraphToPdf(over, data, PaperOrientation::Landscape), 0);
  const std::string withText = pdftext::text(over);
  const std::string withoutText = pdftext::text(plain);
  for (const char* s : {"連続雨量", "実効雨量 72h", "100mm"}) {
    EXPECT_NE(withText.find(s), std::string::npos) << s;
    EXPECT_EQ(withoutText.find(s), std::string::npos) << s;
  }
  if (const char* shots = std::getenv("HY_SHOT_DIR"))
    std::filesystem::copy_file(over, std::string(shots) + "/print-overlay.pdf",
                               std::filesystem::copy_options::overwrite_existing);
}

TEST(PrintPdf, JobThatCannotStartEndsQuietlyAndPutsPendingChangesBack) {
  TempDir dir;
  const TableSnapshot snap = mayOf2019();
  const std::string missing = dir.file("no-such-folder/month.pdf");
  EXPECT_EQ(printTableToPdf(missing, snap, TableKind::HourlyMonth, PaperOrientation::Portrait), 0);
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_FALSE(std::filesystem::exists(missing + ".part"));

  RecordingState state;
  state.dataModified = 1;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(missing));
  setUpPrinter(printer);
  ReportPrintJob job(&state);
  PrintSource source;
  source.mode = PrintMode{-1, 1, 0};
  source.table = &snap;
  EXPECT_EQ(runOnPrinter(job, printer, source), 0);
  EXPECT_EQ(state.dataModified, 1);
  EXPECT_FALSE(PrintJobHold::jobRunning());

  // Between begin and end the changes read as none and a job is running.
  printer.setOutputFileName(QString::fromStdString(dir.file("ok.pdf")));
  ASSERT_TRUE(job.beginPrinting(printer, printerOrientation(printer), source));
  EXPECT_EQ(state.dataModified, 0);
  EXPECT_TRUE(PrintJobHold::jobRunning());
  job.endPrinting();
  EXPECT_EQ(state.dataModified, 1);
  EXPECT_FALSE(PrintJobHold::jobRunning());
}

TEST(PrintPdf, RendererSelectsEachTextsFontAndLeavesTheChartToItsControl) {
  const TableSnapshot snap = mayOf2019();
  const ReportPage table = buildHourlyMonthTable(snap, ReportRect{100, 1000, 3500, 2807}, 20);
  PrintFontHeights heights;
  heights.tableTitle = 123;
  heights.tableBody = 34;
  DrawingSurfaceRecorder recorder;
  int charts = 0;
  ReportRenderer::draw(table, heights, recorder, [&](const ReportRect&, const SurfaceFont&) { ++charts; });
  EXPECT_EQ(charts, 0);
  const auto texts = recorder.of(DrawingSurfaceRecorder::Kind::Text);
  ASSERT_EQ(texts.size(), table.texts.size());
  for (const auto& t : texts) {
    const int expected = t.text == "時 間 雨 量 月 表" ? 123 : 34;
    EXPECT_EQ(t.font, (SurfaceFont{expected, 300, false})) << t.text;
  }
  EXPECT_EQ(recorder.of(DrawingSurfaceRecorder::Kind::Line).size(), table.lines.size());

  ReportPage chartPage;
  chartPage.hasChart = true;
  chartPage.chart = ReportRect{1, 2, 3, 4};
  chartPage.texts.push_back({5, 6, ReportFont::Label, "機種名"});
  PrintFontHeights graph;
  graph.graph = 68;
  graph.label = 88;
  DrawingSurfaceRecorder second;
  ReportRenderer::draw(chartPage, graph, second, [&](const ReportRect& r, const SurfaceFont& f) {
    ++charts;
    EXPECT_EQ(r, chartPage.chart);
    EXPECT_EQ(f, (SurfaceFont{68, 400, false}));
  });
  EXPECT_EQ(charts, 1);
  EXPECT_EQ(second.of(DrawingSurfaceRecorder::Kind::Text).at(0).font, (SurfaceFont{88, 300, true}));
}
