#include "PalettePng.h"

#include <QIODevice>

#include "PaletteCanvas.h"
#include "PaletteMap.h"
#include "RunLengthDeflate.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

void putBigEndian(std::string& bytes, uint32_t value) {
  const char b[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
  bytes.append(b, 4);
}

void putChunk(std::string& png, const char* type, const std::string& data) {
  putBigEndian(png, static_cast<uint32_t>(data.size()));
  const size_t start = png.size();
  png.append(type, 4);
  png += data;
  const auto* typed = reinterpret_cast<const Bytef*>(png.data() + start);
  putBigEndian(png, static_cast<uint32_t>(crc32(0, typed, static_cast<uInt>(png.size() - start))));
}

// The PNG of a palette image from its filtered rows.
bool writeImage(int width, int height, const std::vector<uint32_t>& palette, const std::vector<uint8_t>& rows,
                QIODevice& out) {
  std::string header;
  putBigEndian(header, static_cast<uint32_t>(width));
  putBigEndian(header, static_cast<uint32_t>(height));
  header += std::string{char(8), char(3), char(0), char(0), char(0)};  // 8 bits, palette, no interlace
  std::string colours;
  for (uint32_t rgb : palette) colours += std::string{char(rgb >> 16), char(rgb >> 8), char(rgb)};
  const std::string deflated = RunLengthDeflate::compress(rows.data(), rows.size());

  std::string png("\x89PNG\r\n\x1a\n", 8);
  putChunk(png, "IHDR", header);
  putChunk(png, "PLTE", colours);
  putChunk(png, "IDAT", deflated);
  putChunk(png, "IEND", std::string());
  return out.write(png.data(), static_cast<qint64>(png.size())) == static_cast<qint64>(png.size());
}

}  // namespace

bool PalettePng::write(const uint32_t* pixels, int width, int height, size_t rowPixels, QIODevice& out) {
  if (width <= 0 || height <= 0) return false;
  PaletteMap palette;
  // Each row is led by its filter type: none for the first, "up" for the
  // others, which store each index as its difference from the one above. A
  // chart's bars and background repeat from row to row, so most rows become
  // runs of zeros.
  const size_t stride = static_cast<size_t>(width) + 1;
  std::vector<uint8_t> rows(stride * static_cast<size_t>(height));
  std::vector<uint8_t> above(static_cast<size_t>(width), 0);
  const uint32_t* pixelsAbove = nullptr;
  for (int y = 0; y < height; ++y) {
    const uint32_t* pixel = pixels + static_cast<size_t>(y) * rowPixels;
    uint8_t* row = rows.data() + static_cast<size_t>(y) * stride;
    row[0] = y == 0 ? 0 : 2;
    // A row as the one above it (most rows of a chart) is all zeros.
    if (pixelsAbove != nullptr && std::memcmp(pixel, pixelsAbove, static_cast<size_t>(width) * 4) == 0) {
      std::memset(row + 1, 0, static_cast<size_t>(width));
      pixelsAbove = pixel;
      continue;
    }
    for (int x = 0; x < width; ++x) {
      // Pixels as the ones above them (most of a chart) are zero
      // differences without a look in the palette, eight at a time.
      if (pixelsAbove != nullptr) {
        if (x + 8 <= width && std::memcmp(pixel + x, pixelsAbove + x, 32) == 0) {
          std::memset(row + x + 1, 0, 8);
          x += 7;
          continue;
        }
        if (((pixel[x] ^ pixelsAbove[x]) & 0xffffffu) == 0) {
          row[x + 1] = 0;
          continue;
        }
      }
      const int index = palette.indexOf(pixel[x] & 0xffffffu);
      if (index < 0) return false;
      row[x + 1] = static_cast<uint8_t>(index - above[static_cast<size_t>(x)]);
      above[static_cast<size_t>(x)] = static_cast<uint8_t>(index);
    }
    pixelsAbove = pixel;
  }

  return writeImage(width, height, palette.colours(), rows, out);
}

bool PalettePng::write(PaletteCanvas& canvas, QIODevice& out) {
  const int width = canvas.width();
  const int height = canvas.height();
  if (width <= 0 || height <= 0 || canvas.overflowed()) return false;
  canvas.orderPaletteByAppearance();
  // The rows filtered in place, the last first, so each is taken from the
  // one above it before that one changes.
  std::vector<uint8_t>& rows = canvas.rows();
  const size_t stride = canvas.stride();
  for (size_t y = static_cast<size_t>(height) - 1; y >= 1; --y) {
    uint8_t* row = rows.data() + y * stride;
    const uint8_t* above = row - stride;
    row[0] = 2;
    for (size_t x = 1; x < stride; ++x) row[x] = static_cast<uint8_t>(row[x] - above[x]);
  }
  rows[0] = 0;
  return writeImage(width, height, canvas.palette(), rows, out);
}
