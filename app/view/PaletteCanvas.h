#pragma once
// PaletteCanvas: a picture of at most 256 colours, one byte per pixel (an
// index into its palette), each row led by one spare byte: the layout of a
// PNG palette image's rows before filtering, so the picture is stored
// without another copy (PalettePng). A chart has a few dozen colours.
//
// Colours are 0xRRGGBB. A colour beyond the 256th cannot be set: overflowed()
// turns true and the pixel keeps its colour.

#include "PaletteMap.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class PaletteCanvas {
 public:
  PaletteCanvas(int width, int height, uint32_t background);

  int width() const { return m_width; }
  int height() const { return m_height; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  bool overflowed() const { return m_overflowed; }

  // The palette index of rgb, added when new; -1 when the palette is full.
  int indexOf(uint32_t rgb);
  const std::vector<uint32_t>& palette() const { return m_map.colours(); }

  // Row y's pixels (its leading spare byte at [-1]).
  uint8_t* row(int y) { return m_bytes.data() + static_cast<size_t>(y) * stride() + 1; }
  const uint8_t* row(int y) const { return m_bytes.data() + static_cast<size_t>(y) * stride() + 1; }
  size_t stride() const { return static_cast<size_t>(m_width) + 1; }
  uint32_t colourAt(int x, int y) const { return palette()[row(y)[x]]; }

  // Sets a run of pixels of row y (the caller keeps it on the canvas).
  void fillRun(int x, int y, int count, uint32_t rgb);

  // Every row with its spare byte, for the PNG writer, which filters them
  // in place.
  std::vector<uint8_t>& rows() { return m_bytes; }
  // Reorders the palette so that colours come in the order they first
  // appear, row by row, and drops the colours no pixel shows any more (the
  // pixels follow): the palette a writer scanning the picture would make.
  void orderPaletteByAppearance();

 private:
  int m_width;
  int m_height;
  std::vector<uint8_t> m_bytes;
  PaletteMap m_map;
  bool m_overflowed = false;
};
