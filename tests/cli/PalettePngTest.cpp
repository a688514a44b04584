// The chart's PNG writer keeps every pixel: a picture of exactly 256
// colours (a full palette, rows whose differences wrap around) reads back
// the same through an independent decoder, and one colour more is refused
// with nothing written.
#include "PalettePng.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace {
QImage colours(int count) {
  QImage picture(40, 30, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      // Runs along the rows, a different order on every row.
      const int k = ((x / 3) * 7 + y * 31) % count;
      picture.setPixel(x, y, qRgb(k, 255 - k, (k * 53) % 256));
    }
  return picture;
}
}  // namespace

TEST(PalettePng, AFullPaletteReadsBackPixelForPixelAndOneColourMoreIsRefused) {
  const QImage full = colours(256);
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  ASSERT_TRUE(PalettePng::write(full, bytes));
  QImage back;
  ASSERT_TRUE(back.loadFromData(bytes.data(), "PNG"));
  EXPECT_EQ(back.format(), QImage::Format_Indexed8);
  EXPECT_EQ(back.colorCount(), 256);
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), full);

  QImage over = colours(256);
  over.setPixel(39, 29, qRgb(1, 2, 3));
  QBuffer refused;
  refused.open(QIODevice::WriteOnly);
  EXPECT_FALSE(PalettePng::write(over, refused));
  EXPECT_EQ(refused.size(), 0);
}
