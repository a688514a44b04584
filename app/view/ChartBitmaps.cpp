#include "ChartBitmaps.h"

namespace {

constexpr QRgb kTeal = 0xff008080;
constexpr QRgb kCyan = 0xff00ffff;
constexpr QRgb kNavy = 0xff000080;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kSilver = 0xffc0c0c0;
constexpr QRgb kGrey = 0xff808080;

// 5 x 7 letters, one row per string.
constexpr const char* kLetterA[7] = {"..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"};
constexpr const char* kLetterB[7] = {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."};

// Raised or sunken frame: light on the top and left edges, dark on the
// bottom and right ones (the dark colour wins the two mixed corners).
void bevel(QImage& image, QRgb light, QRgb dark) {
  const int w = image.width();
  const int h = image.height();
  for (int x = 0; x < w; ++x) {
    image.setPixel(x, 0, light);
    image.setPixel(x, h - 1, dark);
  }
  for (int y = 0; y < h; ++y) {
    image.setPixel(0, y, light);
    image.setPixel(w - 1, y, dark);
  }
  image.setPixel(w - 1, 0, dark);
  image.setPixel(0, h - 1, dark);
}

}  // namespace

QImage ChartBitmaps::handle(char letter) {
  QImage image(11, 11, QImage::Format_RGB32);
  image.fill(kTeal);
  bevel(image, kCyan, kNavy);
  const char* const* glyph = letter == 'A' ? kLetterA : kLetterB;
  // Shadow one pixel right and down, then the letter over it.
  for (int pass = 0; pass < 2; ++pass) {
    int offset = pass == 0 ? 1 : 0;
    QRgb colour = pass == 0 ? kBlack : kWhite;
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 5; ++x) {
        if (glyph[y][x] == '#') image.setPixel(2 + x + offset, 1 + y + offset, colour);
      }
    }
  }
  return image;
}

QImage ChartBitmaps::arrow(bool pointsLeft, bool pressed) {
  QImage image(15, 11, QImage::Format_RGB32);
  image.fill(kSilver);
  if (pressed) {
    bevel(image, kBlack, kGrey);
  } else {
    bevel(image, kWhite, kGrey);
  }
  // A triangle four columns wide with its tip on the middle row; a pressed
  // button shows it one pixel right and down, as if pushed in.
  const int shift = pressed ? 1 : 0;
  const int tipX = pointsLeft ? 5 : 9;
  for (int k = 0; k < 4; ++k) {
    int x = (pointsLeft ? tipX + k : tipX - k) + shift;
    for (int y = 5 - k; y <= 5 + k; ++y) image.setPixel(x, y + shift, kBlack);
  }
  return image;
}

QImage ChartBitmaps::make(int resourceId) {
  switch (resourceId) {
    case 133: return handle('A');
    case 131: return handle('B');
    case 132: return arrow(true, false);
    case 130: return arrow(false, false);
    case 137: return arrow(true, true);
    case 138: return arrow(false, true);
    default: return QImage();
  }
}
