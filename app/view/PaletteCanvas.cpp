#include "PaletteCanvas.h"

#include <array>
#include <cstring>

PaletteCanvas::PaletteCanvas(int width, int height, uint32_t background)
    : m_width(width), m_height(height), m_bytes(static_cast<size_t>(width + 1) * static_cast<size_t>(height), 0) {
  indexOf(background);
}

int PaletteCanvas::indexOf(uint32_t rgb) {
  const int index = m_map.indexOf(rgb & 0xffffffu);
  if (index < 0) m_overflowed = true;
  return index;
}

void PaletteCanvas::fillRun(int x, int y, int count, uint32_t rgb) {
  const int index = indexOf(rgb);
  if (index >= 0 && count > 0) std::memset(row(y) + x, index, static_cast<size_t>(count));
}

void PaletteCanvas::orderPaletteByAppearance() {
  std::array<int, 256> newIndex;
  newIndex.fill(-1);
  int next = 0;
  const size_t width = static_cast<size_t>(m_width);
  const std::vector<uint32_t>& palette = m_map.colours();
  for (int y = 0; y < m_height && next < static_cast<int>(palette.size()); ++y) {
    const uint8_t* r = row(y);
    // A row as the one above it brings no colour of its own.
    if (y > 0 && std::memcmp(r, row(y - 1), width) == 0) continue;
    for (size_t x = 0; x < width; ++x)
      if (newIndex[r[x]] < 0) newIndex[r[x]] = next++;
  }
  // Colours set and then painted over all leave the palette.
  const size_t shown = static_cast<size_t>(next);
  for (size_t i = 0; i < palette.size(); ++i)
    if (newIndex[i] < 0) newIndex[i] = next++;
  std::vector<uint32_t> reordered(palette.size());
  for (size_t i = 0; i < palette.size(); ++i) reordered[static_cast<size_t>(newIndex[i])] = palette[i];
  reordered.resize(shown);
  m_map = PaletteMap();
  for (uint32_t rgb : reordered) m_map.indexOf(rgb);
  uint8_t map[256];
  bool identity = true;
  for (int i = 0; i < 256; ++i) {
    map[i] = static_cast<uint8_t>(newIndex[static_cast<size_t>(i)] < 0 ? i : newIndex[static_cast<size_t>(i)]);
    identity = identity && map[i] == i;
  }
  if (!identity)
    for (int y = 0; y < m_height; ++y)
      for (uint8_t* p = row(y), *end = p + width; p != end; ++p) *p = map[*p];
}
