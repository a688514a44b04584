#include "PalettePng.h"

#include <QIODevice>
#include <QImage>

#include "RunLengthDeflate.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kMaxColours = 256;

// Colour -> palette index, built in one pass over the pixels. Runs of one
// colour are the rule in a chart, so the last colour is checked first.
class PaletteMap {
 public:
  // Index of the colour, added when new; -1 when the palette is full.
  int indexOf(uint32_t rgb) {
    if (rgb == m_lastColour && m_lastIndex >= 0) return m_lastIndex;
    size_t slot = (rgb * 2654435761u) >> (32 - kSlotBits);
    while (m_slots[slot].used) {
      if (m_slots[slot].rgb == rgb) return remember(rgb, m_slots[slot].index);
      slot = (slot + 1) & (kSlots - 1);
    }
    if (m_colours.size() == kMaxColours) return -1;
    m_slots[slot] = {rgb, static_cast<int>(m_colours.size()), true};
    m_colours.push_back(rgb);
    return remember(rgb, m_slots[slot].index);
  }
  const std::vector<uint32_t>& colours() const { return m_colours; }

 private:
  static constexpr int kSlotBits = 10;
  static constexpr size_t kSlots = size_t{1} << kSlotBits;
  struct Slot {
    uint32_t rgb = 0;
    int index = 0;
    bool used = false;
  };
  int remember(uint32_t rgb, int index) {
    m_lastColour = rgb;
    m_lastIndex = index;
    return index;
  }
  std::array<Slot, kSlots> m_slots{};
  std::vector<uint32_t> m_colours;
  uint32_t m_lastColour = 0;
  int m_lastIndex = -1;
};

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

}  // namespace

bool PalettePng::write(const QImage& source, QIODevice& out) {
  const QImage picture =
      source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
  const int width = picture.width();
  const int height = picture.height();
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
    const auto* pixel = reinterpret_cast<const uint32_t*>(picture.constScanLine(y));
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

  std::string header;
  putBigEndian(header, static_cast<uint32_t>(width));
  putBigEndian(header, static_cast<uint32_t>(height));
  header += std::string{char(8), char(3), char(0), char(0), char(0)};  // 8 bits, palette, no interlace
  std::string colours;
  for (uint32_t rgb : palette.colours()) colours += std::string{char(rgb >> 16), char(rgb >> 8), char(rgb)};
  const std::string deflated = RunLengthDeflate::compress(rows.data(), rows.size());

  std::string png("\x89PNG\r\n\x1a\n", 8);
  putChunk(png, "IHDR", header);
  putChunk(png, "PLTE", colours);
  putChunk(png, "IDAT", deflated);
  putChunk(png, "IEND", std::string());
  return out.write(png.data(), static_cast<qint64>(png.size())) == static_cast<qint64>(png.size());
}
