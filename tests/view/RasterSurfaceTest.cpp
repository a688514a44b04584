// The chart's raster surface against the painter's: random drawings of what
// the chart draws (rectangles of every size, also degenerate; rows, columns
// and slanted lines; polylines solid, dashed and dotted in one to three
// strands; labels of the chart's characters over white and over colours,
// also partly off the picture; at origins that move it all by whole
// pixels) set every pixel as DrawingSurfaceQt sets it on an RGB32 picture,
// and labels measure the same. What it does not reproduce is refused,
// never drawn differently.
#include "ChartPainter.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceQt.h"
#include "DrawingSurfaceRaster.h"
#include "GuiOnlyTest.h"
#include "RasterFont.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 260;
constexpr int kHeight = 150;

std::string randomLabel(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {
      "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "/", ":", "'", "(mm)", "mm", ".", " ", "h", "-",
      "2024/12/31", "24'", "10:50", "連続雨量", "実効雨量 ", "1.5h", "72h", "月", "日"};
  std::string text;
  const int count = std::uniform_int_distribution<int>(1, 6)(rng);
  for (int i = 0; i < count; ++i)
    text += pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(rng)];
  return text;
}

using Drawing = std::function<void(DrawingSurface&)>;

std::string describe(ChartColor c) {
  return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// A random drawing as the chart makes them: a few colours and a few
// labels, mostly black, so that their blended edges stay within a palette.
// log: what each step draws, for a failure's message.
std::vector<Drawing> randomDrawing(std::mt19937& rng, std::string& log) {
  static const ChartColor colours[] = {{0, 0, 0}, {0, 192, 255}, {255, 255, 255}, {200, 0, 0}, {0, 120, 0}};
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto colour = [&] { return colours[pick(0, 4)]; };
  std::vector<Drawing> ops;
  int labels = 0;
  for (int i = 0, n = pick(10, 30); i < n; ++i) {
    switch (labels < 3 ? pick(0, 5) : pick(0, 2)) {
      case 0: {
        const ChartColor pen = colour(), brush = colour();
        // Now and then one that runs off the picture, refused.
        const bool off = pick(0, 15) == 0;
        const int l = off ? pick(-8, kWidth) : pick(4, kWidth - 50);
        const int t = off ? pick(-8, kHeight) : pick(4, kHeight - 40);
        const int r = l + pick(-3, 40), b = t + pick(-3, 30);
        log += "rectangle " + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) + "," +
               std::to_string(b) + " " + describe(pen) + " " + describe(brush) + "\n";
        ops.push_back([=](DrawingSurface& s) {
          s.setPen(pen);
          s.setBrush(brush);
          s.rectangle(l, t, r, b);
        });
        break;
      }
      case 1: {
        std::vector<ChartLineI> lines;
        for (int k = pick(1, 6); k > 0; --k) {
          const int x = pick(-5, kWidth + 5), y = pick(-5, kHeight + 5);
          switch (pick(0, 2)) {
            case 0: lines.push_back({x, y, x, y + pick(-20, 20)}); break;
            case 1: lines.push_back({x, y, x + pick(-30, 30), y}); break;
            // Slanted lines on the picture (whatever the origin): off it
            // they are refused.
            default: lines.push_back({pick(4, kWidth - 8), pick(4, kHeight - 8), pick(4, kWidth - 8),
                                      pick(4, kHeight - 8)});
          }
        }
        const ChartColor pen = colour();
        log += "lines " + describe(pen);
        for (const ChartLineI& l : lines)
          log += " " + std::to_string(l.x1) + "," + std::to_string(l.y1) + "-" + std::to_string(l.x2) + "," +
                 std::to_string(l.y2);
        log += "\n";
        ops.push_back([=](DrawingSurface& s) {
          s.setPen(pen);
          s.lines(lines.data(), lines.size());
        });
        break;
      }
      case 2: {
        const int width = pick(1, 3);
        const LineDash dash = static_cast<LineDash>(pick(0, 2));
        std::vector<ChartPointI> points;
        int x = pick(4, 20);
        for (int k = pick(2, 25); k > 0 && x < kWidth - 10; --k, x += pick(0, 12))
          points.push_back({x, pick(4, kHeight - 10)});
        const ChartColor pen = colour();
        log += "polyline " + describe(pen) + " width " + std::to_string(width) + " dash " +
               std::to_string(static_cast<int>(dash));
        for (const ChartPointI& p : points) log += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        log += "\n";
        ops.push_back([=](DrawingSurface& s) {
          s.setLinePen(pen, width, dash);
          s.polyline(points.data(), points.size());
        });
        break;
      }
      default: {
        const std::string label = randomLabel(rng);
        const int x = pick(-20, kWidth - 10), y = pick(-8, kHeight - 5);
        const ChartColor pen = pick(0, 5) == 0 ? colour() : ChartColor{0, 0, 0};
        ++labels;
        log += "text " + std::to_string(x) + "," + std::to_string(y) + " " + describe(pen) + " " + label + "\n";
        ops.push_back([=](DrawingSurface& s) {
          s.setPen(pen);
          s.text(x, y, label);
        });
      }
    }
  }
  return ops;
}

QImage canvasImage(const PaletteCanvas& canvas) {
  QImage image(canvas.width(), canvas.height(), QImage::Format_RGB32);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) image.setPixel(x, y, 0xff000000u | canvas.colourAt(x, y));
  return image;
}

}  // namespace

TEST_F(GuiOnly, RasterSurfaceSetsThePaintersPixelsAndMeasuresItsLabels) {
  const QFont font = ChartPainter::labelFont();
  std::mt19937 rng(20261208);
  int compared = 0;
  for (int round = 0; round < 200; ++round) {
    std::string log;
    const std::vector<Drawing> ops = randomDrawing(rng, log);
    const int originX = std::uniform_int_distribution<int>(-3, 7)(rng);
    const int originY = std::uniform_int_distribution<int>(-3, 7)(rng);
    SCOPED_TRACE("round " + std::to_string(round) + ", origin " + std::to_string(originX) + "," +
                 std::to_string(originY) + ":\n" + log);

    QImage painted(kWidth, kHeight, QImage::Format_RGB32);
    painted.fill(Qt::white);
    {
      QPainter painter(&painted);
      painter.translate(originX, originY);
      DrawingSurfaceQt surface(painter, font);
      for (const Drawing& op : ops) op(surface);
    }
    PaletteCanvas canvas(kWidth, kHeight, 0xffffff);
    DrawingSurfaceRaster raster(canvas, originX, originY, ChartRenderer::kLabelFont);
    ASSERT_TRUE(raster.supported()) << "the label face is not drawn without Qt here";
    for (const Drawing& op : ops) op(raster);
    EXPECT_EQ(raster.fontHeight(), 13);
    // Labels blended over many colours can need a 257th colour, and a
    // rectangle may run off the picture: refused, the reasons allowed here.
    if (!raster.supported()) continue;
    ++compared;

    const QImage drawn = canvasImage(canvas);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        ASSERT_EQ(drawn.pixel(x, y), painted.pixel(x, y)) << "pixel " << x << "," << y;
  }
  EXPECT_GE(compared, 120);
}

TEST_F(GuiOnly, RasterLabelsMeasureAsThePaintersLabels) {
  const QImage device(10, 10, QImage::Format_RGB32);
  QImage scratch(device);
  QPainter painter(&scratch);
  DrawingSurfaceQt qt(painter, ChartPainter::labelFont());
  RasterFont* face = RasterFont::shared(ChartRenderer::kLabelFont);
  ASSERT_NE(face, nullptr);
  std::mt19937 rng(8);
  for (int i = 0; i < 400; ++i) {
    const std::string label = randomLabel(rng);
    ASSERT_EQ(face->width(label), qt.textWidth(label)) << label;
  }
  // Qt would take another face for a character this one lacks, and its own
  // rules for a line break or a combining mark: refused.
  EXPECT_EQ(face->width("12\xF0\x9F\x98\x80"), std::nullopt);  // an emoji
  EXPECT_EQ(face->width("a\nb"), std::nullopt);
  EXPECT_EQ(face->width("e\xCC\x81"), std::nullopt);  // e and a combining acute
  EXPECT_EQ(face->width("\xFF"), std::nullopt);       // not UTF-8
}
