// The chart's PNG writer keeps every pixel: a picture of exactly 256
// colours (a full palette, rows whose differences wrap around) reads back
// the same through an independent decoder, and one colour more is refused
// with nothing written.
#include "PalettePng.h"
#include "RunLengthDeflate.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

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

bool write(const QImage& picture, QIODevice& out) {
  return PalettePng::write(reinterpret_cast<const uint32_t*>(picture.constBits()), picture.width(), picture.height(),
                           static_cast<size_t>(picture.bytesPerLine() / 4), out);
}
}  // namespace

TEST(PalettePng, AFullPaletteReadsBackPixelForPixelAndOneColourMoreIsRefused) {
  const QImage full = colours(256);
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  ASSERT_TRUE(write(full, bytes));
  QImage back;
  ASSERT_TRUE(back.loadFromData(bytes.data(), "PNG"));
  EXPECT_EQ(back.format(), QImage::Format_Indexed8);
  EXPECT_EQ(back.colorCount(), 256);
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), full);

  QImage over = colours(256);
  over.setPixel(39, 29, qRgb(1, 2, 3));
  QBuffer refused;
  refused.open(QIODevice::WriteOnly);
  EXPECT_FALSE(write(over, refused));
  EXPECT_EQ(refused.size(), 0);
}

// The run coder's stream inflates with zlib to the bytes it was given, for
// runs at and around the longest match (258, and tails of 1 or 2 bytes
// after it, too short for a match), bytes of both literal code lengths, data
// without runs, and nothing at all.
TEST(RunLengthDeflate, EveryStreamInflatesToItsBytes) {
  std::vector<std::vector<uint8_t>> inputs = {{}, {7}, {200, 200}};
  for (size_t run : {2, 3, 4, 257, 258, 259, 260, 261, 262, 516, 517, 100000}) {
    std::vector<uint8_t> bytes(run, static_cast<uint8_t>(run % 251));
    bytes.push_back(255);
    bytes.insert(bytes.end(), run, 143);
    inputs.push_back(bytes);
  }
  std::vector<uint8_t> noRuns(5000);
  for (size_t k = 0; k < noRuns.size(); ++k) noRuns[k] = static_cast<uint8_t>(k * 7 + k / 256);
  inputs.push_back(noRuns);
  for (const auto& input : inputs) {
    const std::string stream = RunLengthDeflate::compress(input.data(), input.size());
    std::vector<uint8_t> back(input.size() + 16);
    uLongf length = back.size();
    ASSERT_EQ(uncompress(back.data(), &length, reinterpret_cast<const Bytef*>(stream.data()), stream.size()), Z_OK)
        << input.size() << " bytes";
    back.resize(length);
    EXPECT_EQ(back, input) << input.size() << " bytes";
  }
}
