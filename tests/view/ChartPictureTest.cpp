// The screen's shortcuts held to Qt's own drawing, pixel for pixel: the
// chart's picture after cursor steps and window changes, its own XOR
// column, XOR lines drawn in pieces, horizontal lines filled as rectangles,
// and overlay lines without the points of their straight runs.
#include "ChartPainter.h"
#include "ChartPicture.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceQt.h"
#include "GuiOnlyTest.h"
#include "SampleSeries.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <random>
#include <vector>

namespace {

using Picture = GuiOnly;

QImage noise(int w, int h, unsigned seed) {
  QImage image(w, h, QImage::Format_RGB32);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(int(rng() % 256), int(rng() % 256), int(rng() % 256)));
  return image;
}

// The whole chart as the screen drew it before it kept a picture: the
// background, then the chart with its cursor lines, in one go.
QImage wholeDrawing(const QSize& size, const QColor& background, const QRect& chart, const ChartInput& in) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(background);
  QPainter painter(&image);
  painter.translate(chart.topLeft());
  ChartPainter::paint(painter, ChartPainter::labelFont(), in);
  return image;
}

}  // namespace

TEST_F(Picture, StaysTheWholeDrawingThroughCursorStepsAndWindowChanges) {
  auto series = loadSampleSeries(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy", IntervalMode::TenMinute);
  ASSERT_TRUE(series);
  const QSize view(1000, 600);
  const QColor background(240, 240, 240);
  const QRect chart(50, 18, 931, 462);
  const QFont font = ChartPainter::labelFont();
  ChartInput in;
  in.right = chart.width();
  in.bottom = chart.height();
  in.series = series.get();
  in.cursors = true;
  in.viewOffsetX = chart.left();

  ChartPicture picture;
  struct Step {
    const char* what;
    int first, count, ax, bx;
    bool wholeChanged;
  };
  const Step steps[] = {
      {"first", 0, series->valueCount, 300, 600, true},
      {"A right", 0, series->valueCount, 301, 600, false},
      {"both onto one column", 0, series->valueCount, 450, 450, false},
      {"apart, B on the frame's edge", 0, series->valueCount, 60, chart.right(), false},
      {"a window", 1000, 5000, 60, chart.right(), true},
      {"cursors in that window", 1000, 5000, 700, 200, false},
      {"one bar on", 1001, 5000, 700, 200, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    series->firstShownIndex = step.first;
    series->visibleCount = step.count;
    in.cursorAX = step.ax;
    in.cursorBX = step.bx;
    const QRegion changed = picture.update(view, 1.0, background, true, chart, in, 0);
    EXPECT_EQ(changed == QRegion(QRect(QPoint(0, 0), view)), step.wholeChanged);
    if (!step.wholeChanged) {
      // One column per cursor line, at its old and its new place.
      int pixels = 0;
      for (const QRect& r : changed) pixels += r.width() * r.height();
      EXPECT_LE(pixels, 4 * chart.height());
    }
    const QImage expected = wholeDrawing(view, background, chart, in);
    // Straight onto a screen: the same pixels, without the picture.
    QImage screen = noise(view.width(), view.height(), 1);
    if (step.wholeChanged) {
      EXPECT_TRUE(picture.unseen());
      QPainter painter(&screen);
      picture.paintDirect(painter, QRegion(QRect(QPoint(0, 0), view)), background, font, in);
      EXPECT_TRUE(screen == expected);
    }
    EXPECT_FALSE(picture.unseen());  // shown once: the picture serves from now on
    picture.draw(background, font, in);
    EXPECT_TRUE(picture.image() == expected);
  }
}

TEST_F(Picture, XorShortcutsCoverQtsOwnXorLine) {
  const QColor cursor(ChartRenderer::kCursor.r, ChartRenderer::kCursor.g, ChartRenderer::kCursor.b);
  // Down, up, longer than one piece, clipped at either end, outside.
  const int lines[][3] = {{5, 2, 9}, {6, 9, 2}, {7, 0, 300}, {8, 299, 1}, {9, -40, 500}, {10, 500, -40}, {40, 0, 100}};
  for (const auto& l : lines) {
    SCOPED_TRACE(testing::Message() << l[0] << ": " << l[1] << " to " << l[2]);
    const QImage start = noise(40, 300, 2);
    QImage qt = start;
    {
      QPainter painter(&qt);
      QPen pen(cursor);
      pen.setWidth(0);
      pen.setCapStyle(Qt::FlatCap);
      painter.setPen(pen);
      painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      painter.drawLine(l[0], l[1], l[0], l[2]);
    }
    QImage pieces = start;
    {
      QPainter painter(&pieces);
      DrawingSurfaceQt surface(painter, ChartPainter::labelFont());
      surface.xorLine(l[0], l[1], l[0], l[2], ChartRenderer::kCursor);
    }
    QImage column = start;
    ChartPicture::xorColumn(column, l[0], l[1], l[2], cursor);
    EXPECT_TRUE(pieces == qt);
    EXPECT_TRUE(column == qt);
    ChartPicture::xorColumn(column, l[0], l[1], l[2], cursor);
    EXPECT_TRUE(column == start);  // its own inverse
  }
}

TEST_F(Picture, OverlayLinesWithoutTheirStraightRunsPointsKeepEveryPixel) {
  std::mt19937 rng(3);
  for (int trial = 0; trial < 60; ++trial) {
    // An overlay line: per column one or two points, flat stretches, jumps.
    std::vector<ChartPointI> points;
    int y = 100;
    for (int x = 5; x < 400; ++x) {
      const int r = int(rng() % 10);
      if (r >= 7) y += int(rng() % 81) - 40;
      else if (r >= 4) y += int(rng() % 5) - 2;
      y = std::clamp(y, 3, 190);
      points.push_back({x, y});
      if (rng() % 3 == 0) {
        const int y2 = std::clamp(y + int(rng() % 41) - 20, 3, 190);
        if (y2 != y) points.push_back({x, y2});
        y = y2;
      }
    }
    for (LineDash dash : {LineDash::Solid, LineDash::Dash, LineDash::Dot}) {
      for (int width : {1, 2, 3}) {
        SCOPED_TRACE(testing::Message() << trial << " dash " << int(dash) << " width " << width);
        QImage ours(420, 200, QImage::Format_RGB32), qt(420, 200, QImage::Format_RGB32);
        ours.fill(Qt::white);
        qt.fill(Qt::white);
        {
          QPainter painter(&ours);
          DrawingSurfaceQt surface(painter, ChartPainter::labelFont());
          surface.setLinePen({200, 0, 0}, width, dash);
          surface.polyline(points.data(), points.size());
        }
        {
          // Every point, one strand after another, as Qt draws them.
          QPainter painter(&qt);
          DrawingSurfaceQt surface(painter, ChartPainter::labelFont());
          surface.setLinePen({200, 0, 0}, width, dash);
          for (int k = 0; k < width; ++k) {
            std::vector<QPoint> strand;
            for (const ChartPointI& p : points) strand.emplace_back(p.x + k, p.y + k);
            painter.drawPolyline(strand.data(), int(strand.size()));
          }
        }
        EXPECT_TRUE(ours == qt);
      }
    }
  }
}

TEST_F(Picture, HorizontalLinesFilledAsRectanglesCoverQtsOwnLines) {
  std::mt19937 rng(4);
  std::vector<ChartLineI> lines;
  std::vector<QLine> qtLines;
  for (int k = 0; k < 300; ++k) {
    // Either way, partly or wholly outside, one pixel long.
    const int x1 = int(rng() % 140) - 20, y = int(rng() % 60) - 5;
    const int x2 = k % 10 == 0 ? x1 + 1 : int(rng() % 140) - 20;
    if (x1 == x2) continue;
    lines.push_back({x1, y, x2, y});
    qtLines.emplace_back(x1, y, x2, y);
  }
  QImage ours(100, 50, QImage::Format_RGB32), qt(100, 50, QImage::Format_RGB32);
  for (size_t k = 0; k < lines.size(); ++k) {
    ours.fill(Qt::white);
    qt.fill(Qt::white);
    {
      QPainter painter(&ours);
      DrawingSurfaceQt surface(painter, ChartPainter::labelFont());
      surface.setPen({0, 0, 0});
      surface.lines(&lines[k], 1);
    }
    {
      QPainter painter(&qt);
      DrawingSurfaceQt surface(painter, ChartPainter::labelFont());
      surface.setPen({0, 0, 0});
      painter.drawLines(&qtLines[k], 1);
    }
    EXPECT_TRUE(ours == qt) << lines[k].x1 << " to " << lines[k].x2 << " at " << lines[k].y1;
  }
}
