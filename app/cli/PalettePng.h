#pragma once
// PalettePng: a PNG writer for pictures of few colours, such as a chart:
// every pixel kept exactly, stored as an 8-bit palette image, each row as
// its difference from the row above, deflated as runs (RunLengthDeflate).
// A chart of 1600 x 600 is encoded in about two milliseconds, where a
// general encoder filters and searches each row of 4-byte pixels.
//
// Does not decide where the bytes go or how a file is replaced: it writes
// into a QIODevice the caller opened.

#include <cstddef>
#include <cstdint>

class PaletteCanvas;
class QIODevice;

class PalettePng {
 public:
  // Writes the picture (0xAARRGGBB pixels, alpha ignored, rows rowPixels
  // apart) when it holds at most 256 colours. False, with nothing written,
  // when it holds more; false when the device refuses bytes.
  static bool write(const uint32_t* pixels, int width, int height, size_t rowPixels, QIODevice& out);
  // Writes a canvas drawn in its palette, the same bytes as the picture of
  // its pixels would give, filtering its rows in place (the canvas is
  // spent). False when it overflowed or the device refuses bytes.
  static bool write(PaletteCanvas& canvas, QIODevice& out);
};
