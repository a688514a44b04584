// The overlay's own one-pixel lines against the raster engine's: every
// pixel of thousands of random polylines, solid and dashed, in the shapes
// the overlay draws (a value per column), with long jumps, turns back along
// an axis, repeated points, closed ones and lines of every slope.
#include "GuiOnlyTest.h"
#include "PixelPolyline.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 72;

std::vector<ChartPointI> randomPolyline(std::mt19937& rng, int shape, bool closed) {
  std::uniform_int_distribution<int> anyX(1, kWidth - 2), anyY(1, kHeight - 2), count(2, 24);
  std::vector<ChartPointI> points;
  const int n = count(rng);
  ChartPointI p{anyX(rng), anyY(rng)};
  for (int i = 0; i < n; ++i) {
    points.push_back(p);
    std::uniform_int_distribution<int> step(-3, 3), rise(-12, 12), pick(0, 5);
    switch (shape) {
      case 0: p = {anyX(rng), anyY(rng)}; break;                      // any slope, long
      case 1: p = {p.x + 1, p.y + rise(rng)}; break;                   // a value per column
      case 2: p = {p.x + step(rng), p.y + step(rng)}; break;           // short, repeats
      default:                                                         // runs and turns on the axes
        if (pick(rng) < 3) p.x += rise(rng);
        else p.y += rise(rng);
        break;
    }
    p.x = std::clamp(p.x, 1, kWidth - 2);
    p.y = std::clamp(p.y, 1, kHeight - 2);
  }
  if (closed) points.push_back(points.front());
  return points;
}

QImage byEngine(const std::vector<ChartPointI>& points, const std::vector<double>& pattern) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPen pen(Qt::black);
  pen.setWidth(0);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  if (!pattern.empty()) pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
  painter.setPen(pen);
  std::vector<QPoint> q;
  for (const ChartPointI& p : points) q.emplace_back(p.x, p.y);
  painter.drawPolyline(q.data(), static_cast<int>(q.size()));
  return image;
}

QImage byRules(const std::vector<ChartPointI>& points, const std::vector<double>& pattern) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  PixelPolyline line(pattern);
  line.stroke(points.data(), points.size(), [&image](int x, int y) { image.setPixel(x, y, 0xff000000u); });
  return image;
}

std::string describe(const std::vector<ChartPointI>& points, const QImage& expected, const QImage& actual) {
  std::ostringstream out;
  out << "points";
  for (const ChartPointI& p : points) out << " (" << p.x << "," << p.y << ")";
  out << "; pixels set by one side (+ the engine, - the rules):";
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (expected.pixel(x, y) != actual.pixel(x, y)) out << (expected.pixel(x, y) == 0xff000000u ? " +" : " -") << "(" << x << "," << y << ")";
  return out.str();
}

}  // namespace

class PixelPolylineTest : public GuiOnly {};

TEST_F(PixelPolylineTest, SetsExactlyTheEnginesPixelsSolidAndDashed) {
  // The screen's dashes and dots at widths 1 and 2, and an odd pattern.
  const std::vector<std::vector<double>> patterns = {{}, {4, 2}, {8, 4}, {1, 1.5}, {2, 3}, {3, 1, 1, 1, 0.5, 2.25}};
  std::mt19937 rng(20261208);
  int compared = 0;
  for (int round = 0; round < 400; ++round) {
    const std::vector<ChartPointI> points = randomPolyline(rng, round % 4, round % 3 == 0);
    for (const std::vector<double>& pattern : patterns) {
      const QImage expected = byEngine(points, pattern);
      const QImage actual = byRules(points, pattern);
      ASSERT_TRUE(expected == actual) << "pattern of " << pattern.size() << " lengths, " << describe(points, expected, actual);
      ++compared;
    }
  }
  EXPECT_EQ(compared, 2400);
}
