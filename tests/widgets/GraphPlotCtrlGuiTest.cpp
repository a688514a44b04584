// The chart control with Qt's real painter on the offscreen platform: pixels
// of a rendered chart, per-column lines against one line per bar, the label
// font, the band drag through mouse events, and the strip bitmaps.
#include "ChartPainter.h"
#include "DrawingSurfaceQt.h"
#include "GraphPlotCtrl.h"
#include "SampleSeries.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QRgb kBarColour = qRgb(0, 192, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// The view's client area with the plot where the view lays it out.
struct Screenshot {
  QImage image;
  QRect plot;
  ChartScene scene;
};

Screenshot paintView(GraphPlotCtrl& chart, const DisplaySeries& series, int width, int height) {
  Screenshot shot{QImage(width, height, QImage::Format_RGB32), QRect(50, 18, width - 70 + 1, height - 138), {}};
  shot.image.fill(QColor(240, 240, 240));
  QPainter painter(&shot.image);
  painter.translate(shot.plot.topLeft());
  shot.scene = ChartPainter::paint(painter, chart.labelFont(), chart.screenInput(shot.plot, true, series));
  return shot;
}

}  // namespace

TEST(GraphPlotCtrlGui, PainterSurfaceKeepsTheDrawingRules) {
  QImage image(30, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    DrawingSurfaceQt surface(painter, GraphPlotCtrl().labelFont());
    EXPECT_EQ(surface.fontHeight(), 13);
    surface.setPen({0, 0, 0});
    surface.setBrush({0, 192, 255});
    surface.line(5, 2, 5, 8);                                  // rows 2..7
    ChartLineI batch[] = {{7, 8, 7, 2}, {2, 10, 9, 10}};      // upwards; columns 2..8
    surface.lines(batch, 2);
    surface.rectangle(16, 12, 12, 16);                         // swapped: 12..15
    surface.xorLine(20, 0, 20, 4, {192, 192, 192});
    surface.xorLine(20, 2, 20, 6, {192, 192, 192});
  }
  auto black = [&](int x, int y) { return image.pixel(x, y) == kBlack; };
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(black(5, y), y >= 2 && y <= 7) << y;
    EXPECT_EQ(black(7, y), y >= 3 && y <= 8) << y;  // from 8 up to, not including, 2
  }
  for (int x = 0; x < 12; ++x) EXPECT_EQ(black(x, 10), x >= 2 && x <= 8) << x;
  EXPECT_TRUE(black(12, 12) && black(15, 15) && black(15, 12) && black(12, 15));
  EXPECT_FALSE(black(16, 12) || black(12, 16));
  EXPECT_EQ(image.pixel(13, 13), kBarColour);
  // XOR: the overlap of the two cursor strokes is back to white.
  EXPECT_EQ(image.pixel(20, 0), qRgb(63, 63, 63));
  EXPECT_EQ(image.pixel(20, 2), kWhite);
  EXPECT_EQ(image.pixel(20, 3), kWhite);
  EXPECT_EQ(image.pixel(20, 5), qRgb(63, 63, 63));
  EXPECT_EQ(image.pixel(20, 6), kWhite);
}

TEST(GraphPlotCtrlGui, BarsShowWhereValuesAreAndNotWhereTheyAreZero) {
  auto series = loadSampleSeries(HY_SAMPLES_DIR "/short-2026-06-0.5mm.hyy", IntervalMode::Hourly);
  ASSERT_TRUE(series);
  GraphPlotCtrl chart;
  Screenshot shot = paintView(chart, *series, 1000, 500);
  const QRect& plot = shot.plot;
  const int w = plot.width();
  const int h = plot.height();
  const double p = (w - 4) / static_cast<double>(series->valueCount);
  ASSERT_GT(0.9 * p, 2.0) << "the check expects filled bars";
  EXPECT_DOUBLE_EQ(shot.scene.barPitch, p);

  // Frame corners black, an empty spot inside white.
  EXPECT_EQ(shot.image.pixel(plot.left(), plot.top()), kBlack);
  EXPECT_EQ(shot.image.pixel(plot.right(), plot.bottom()), kBlack);
  EXPECT_EQ(shot.image.pixel(plot.left() + 1, plot.bottom() - 1 - h / 2 + 3), kWhite);

  int filled = 0;
  int empty = 0;
  for (int i = 0; i < series->valueCount; ++i) {
    double t = h * series->values[i] / series->verticalMax;
    // Sample the first column inside the bar's outline, two rows above the
    // frame: clear of the tick lines at slot centres.
    int x = plot.left() + static_cast<int>(2 + i * p + 0.1 * p) + 1;
    int y = plot.top() + h - 3;
    QRgb pixel = shot.image.pixel(x, y);
    if (series->values[i] == 0.0) {
      EXPECT_EQ(pixel, kWhite) << "bar " << i;
      ++empty;
    } else if (t >= 4.0) {
      EXPECT_EQ(pixel, kBarColour) << "bar " << i;
      // And white just above its top.
      int above = plot.top() + h - static_cast<int>(t) - 3;
      if (above > plot.top() + 2) {
        QRgb sky = shot.image.pixel(x, above);
        EXPECT_TRUE(sky == kWhite || sky == kBlack) << "bar " << i;  // a grid line may pass
        EXPECT_NE(sky, kBarColour) << "bar " << i;
      }
      ++filled;
    }
  }
  EXPECT_GT(filled, 20);
  EXPECT_GT(empty, 20);

  // Labels: dark text pixels left of the plot (millimetres) and below it.
  auto darkIn = [&](QRect area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) dark += qGray(shot.image.pixel(x, y)) < 100;
    }
    return dark;
  };
  EXPECT_GT(darkIn(QRect(11, plot.bottom() - 13, 38, 13)), 5);     // "    0"
  EXPECT_GT(darkIn(QRect(11, plot.bottom() + 14, 80, 26)), 20);    // first date and hour
  EXPECT_EQ(darkIn(QRect(0, shot.image.height() - 40, 1000, 40)), 0);
}

TEST(GraphPlotCtrlGui, PerColumnLinesPaintTheSamePixelsAsOneLinePerBar) {
  auto series = loadSampleSeries(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy", IntervalMode::TenMinute);
  ASSERT_TRUE(series);
  auto render = [&](bool everyBar) {
    QImage image(1600, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ChartInput in;
    in.left = 50;
    in.top = 18;
    in.right = 50 + 1531;
    in.bottom = 18 + 462;
    in.series = series.get();
    in.lineEveryBar = everyBar;
    ChartPainter::paint(painter, ChartPainter::labelFont(), std::move(in));
    return image;
  };
  QImage columns = render(false);
  QImage every = render(true);
  EXPECT_TRUE(columns == every);
  // Bars are one-pixel lines of the outline colour: black runs up from the
  // bottom edge somewhere in the plot.
  int barColumns = 0;
  for (int x = 53; x < 1578; ++x) barColumns += columns.pixel(x, 18 + 462 - 2) == kBlack;
  EXPECT_GT(barColumns, 50);
}

TEST(GraphPlotCtrlGui, PrintingFontSetsTheLabelUnit) {
  // Printing passes its own font; the labels move down with its height.
  auto series = loadSampleSeries(HY_SAMPLES_DIR "/short-2026-06-0.5mm.hyy", IntervalMode::Daily);
  ASSERT_TRUE(series);
  auto firstInkRowBelow = [&](QFont font) {
    QImage image(800, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      ChartInput in;
      in.left = 100;
      in.top = 50;
      in.right = 700;
      in.bottom = 350;
      in.series = series.get();
      ChartPainter::paint(painter, font, std::move(in));
    }
    for (int y = 351; y < 500; ++y) {
      for (int x = 0; x < 800; ++x) {
        if (qGray(image.pixel(x, y)) < 128) return y;
      }
    }
    return -1;
  };
  QFont small = ChartPainter::labelFont();
  QFont large = ChartPainter::labelFont();
  large.setPixelSize(26);
  int smallRow = firstInkRowBelow(small);
  int largeRow = firstInkRowBelow(large);
  ASSERT_GT(smallRow, 350);
  EXPECT_GE(largeRow - smallRow, 13);
  EXPECT_LE(largeRow - smallRow, 20);
}

TEST(GraphPlotCtrlGui, ScreenDrawingIsTheWidgetFreePainterAtThePlotsCorner) {
  // Every mode of two samples, shown whole and zoomed, cursors placed: the
  // control's screen drawing and ChartPainter on a plain image, translated to
  // the plot's corner as the tool and printing do it, give the same scene
  // and the same pixels.
  for (const char* sample : {"/long-2024-0.5mm.hyy", "/tenth-2025-09-0.1mm.hyy"}) {
    for (IntervalMode mode : {IntervalMode::TenMinute, IntervalMode::Hourly, IntervalMode::Daily, IntervalMode::Monthly}) {
      auto series = loadSampleSeries(std::string(HY_SAMPLES_DIR) + sample, mode);
      ASSERT_TRUE(series);
      for (int visible : {series->valueCount, std::min(series->valueCount, 40)}) {
        SCOPED_TRACE(std::string(sample) + " " + std::to_string(static_cast<int>(mode)) + " " + std::to_string(visible));
        series->visibleCount = visible;
        GraphPlotCtrl chart;
        chart.setCursorX(200, 600);
        Screenshot screen = paintView(chart, *series, 1000, 500);
        QImage image(1000, 500, QImage::Format_RGB32);
        image.fill(QColor(240, 240, 240));
        ChartScene scene;
        {
          QPainter painter(&image);
          painter.translate(screen.plot.topLeft());
          ChartInput in;
          in.right = screen.plot.width();
          in.bottom = screen.plot.height();
          in.series = series.get();
          in.cursors = true;
          in.cursorAX = 200;
          in.cursorBX = 600;
          in.viewOffsetX = screen.plot.left();
          scene = ChartPainter::paint(painter, ChartPainter::labelFont(), std::move(in));
        }
        ASSERT_TRUE(scene.hasLastTick);
        EXPECT_FALSE(scene.labels.empty());
        EXPECT_EQ(scene.cursorLines.size(), 2u);
        EXPECT_TRUE(scene == screen.scene);
        EXPECT_TRUE(image == screen.image);
      }
    }
  }
}

TEST(GraphPlotCtrlGui, LabelFontIsThirteenPixelsWithJapaneseGlyphs) {
  GraphPlotCtrl chart;
  EXPECT_EQ(chart.labelFont().pixelSize(), 13);
  QFontMetrics metrics(chart.labelFont());
  EXPECT_TRUE(metrics.inFont(QChar(0x96E8)));  // 雨
  EXPECT_TRUE(metrics.inFont(QChar(0xFF83)));  // ﾃ
}

TEST(GraphPlotCtrlGui, BandDragReportsBarsAndRepaints) {
  auto series = loadSampleSeries(HY_SAMPLES_DIR "/short-2026-06-0.5mm.hyy", IntervalMode::Daily);
  ASSERT_TRUE(series);
  QWidget view;
  view.resize(640, 480);
  GraphPlotCtrl chart(&view);
  QRect plot(50, 18, 571, 342);
  chart.setGeometry(plot);
  Screenshot shot = paintView(chart, *series, 640, 480);
  const double p = shot.scene.barPitch;
  ASSERT_GT(p, 10.0);
  // The view keeps the pitch of its last drawing and lends it to the band.
  chart.setBarPitchSource([p] { return p; });
  view.show();
  QSignalSpy finished(&chart, &GraphPlotCtrl::bandFinished);

  // Disabled: nothing happens.
  QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(300, 100));
  QTest::mouseMove(&chart, QPoint(100, 200));
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(100, 200));
  EXPECT_EQ(finished.count(), 0);

  chart.setBandEnabled(1);
  QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(300, 100));
  QTest::mouseMove(&chart, QPoint(100, 200));
  {
    // While dragged, the band is part of the screen's drawing: XOR-ed over
    // columns 100..299 of the plot, dark blue inside, a white outline over
    // the fill.
    Screenshot dragging = paintView(chart, *series, 640, 480);
    ASSERT_TRUE(dragging.scene.hasBand);
    EXPECT_EQ(dragging.scene.band, (ChartRectI{100, 0, 300, plot.height()}));
    for (int y : {40, 120}) {
      const QPoint at(plot.left() + 200, plot.top() + y);
      EXPECT_EQ(dragging.image.pixel(at), (shot.image.pixel(at) ^ qRgb(0, 0, 64)) | 0xFF000000u) << y;
      const QPoint edge(plot.left() + 100, plot.top() + y);
      EXPECT_EQ(dragging.image.pixel(edge), (shot.image.pixel(edge) ^ qRgb(0, 0, 64) ^ qRgb(255, 255, 255)) | 0xFF000000u) << y;
    }
  }
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(100, 200));
  ASSERT_EQ(finished.count(), 1);
  EXPECT_DOUBLE_EQ(chart.bandWidthBars(), 200 / p);
  EXPECT_DOUBLE_EQ(chart.bandOffsetBars(), 100 / p);

  // Narrower than a bar: discarded, the last result stays.
  QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(300, 100));
  QTest::mouseMove(&chart, QPoint(303, 120));
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(303, 120));
  EXPECT_EQ(finished.count(), 1);
  EXPECT_DOUBLE_EQ(chart.bandWidthBars(), 200 / p);
}

TEST(GraphPlotCtrlGui, StripBitmaps) {
  GraphPlotCtrl chart;
  struct Expect {
    int id;
    QSize size;
    QRgb topLeft;
    QRgb bottomRight;
    QRgb face;
  } cases[] = {
      {133, {11, 11}, qRgb(0, 255, 255), qRgb(0, 0, 128), qRgb(0, 128, 128)},
      {131, {11, 11}, qRgb(0, 255, 255), qRgb(0, 0, 128), qRgb(0, 128, 128)},
      {132, {15, 11}, kWhite, qRgb(128, 128, 128), qRgb(192, 192, 192)},
      {130, {15, 11}, kWhite, qRgb(128, 128, 128), qRgb(192, 192, 192)},
      {137, {15, 11}, kBlack, qRgb(128, 128, 128), qRgb(192, 192, 192)},
      {138, {15, 11}, kBlack, qRgb(128, 128, 128), qRgb(192, 192, 192)},
  };
  for (const Expect& e : cases) {
    SCOPED_TRACE(e.id);
    const QImage& image = chart.bitmap(e.id);
    ASSERT_EQ(image.size(), e.size);
    EXPECT_EQ(image.pixel(1, 0), e.topLeft);
    EXPECT_EQ(image.pixel(0, 1), e.topLeft);
    EXPECT_EQ(image.pixel(e.size.width() - 1, e.size.height() - 2), e.bottomRight);
    EXPECT_EQ(image.pixel(1, e.size.height() - 2), e.face);
  }
  // The letters differ, and each has a white stroke and a black shadow.
  EXPECT_NE(chart.bitmap(133), chart.bitmap(131));
  for (int id : {133, 131}) {
    bool white = false;
    bool black = false;
    for (int y = 1; y < 10; ++y) {
      for (int x = 1; x < 10; ++x) {
        white |= chart.bitmap(id).pixel(x, y) == kWhite;
        black |= chart.bitmap(id).pixel(x, y) == kBlack;
      }
    }
    EXPECT_TRUE(white && black) << id;
  }
  // Arrows point away from each other: the tip column of the left arrow is
  // left of the right arrow's.
  auto tipColumn = [&](int id, bool leftmost, int row = 5) {
    int found = -1;
    for (int x = 1; x < 14; ++x) {
      if (chart.bitmap(id).pixel(x, row) == kBlack && (found < 0 || !leftmost)) found = x;
    }
    return found;
  };
  EXPECT_LT(tipColumn(132, true), tipColumn(130, false));
  // Pressed buttons show their arrow shifted right and down.
  EXPECT_EQ(tipColumn(137, true, 6), tipColumn(132, true) + 1);
  EXPECT_EQ(tipColumn(138, false, 6), tipColumn(130, false) + 1);
  EXPECT_TRUE(chart.bitmap(999).isNull());
}
