#pragma once
// RasterFont: the chart's label face laid out and drawn straight with
// fontconfig, FreeType and HarfBuzz, pixel for pixel as Qt's raster engine
// draws it on an RGB32 picture, for programs that do not load Qt Gui. It
// keeps the engine's choices:
// - the face: the first of kJapaneseFaceFamilies that fontconfig lists;
// - the settings fontconfig gives that face at that pixel size (hinting
//   style, autohinter, antialiasing);
// - the metrics: the ascent from the OS/2 table (else hhea, else
//   FreeType's), rounded; advances unhinted, in 1/64 pixel, cut rather than
//   rounded; a text's width is the sum of its advances, rounded;
// - the layout: runs split where the script changes (common characters
//   going with their neighbours), each shaped by HarfBuzz with kerning on;
// - the glyphs: rendered by FreeType with light or no hinting at the
//   quarter pixel their pen position falls on, and blended onto the pixels
//   with their coverage, without gamma.
//
// Whatever would need more than that is refused, so that the caller draws
// with Qt instead and no pixel differs: shared() returns null for a family
// of several styles or files, a bitmap strike, outlines other than
// TrueType, full or medium hinting, no antialiasing or subpixel
// antialiasing, a 'kern' table, a symbol font, bold, underline, or Qt's
// font environment variables; width() and draw() refuse a text with a
// character the face lacks (Qt would take another face for it), a
// combining mark or a line break.
//
// Owns its FreeType face and HarfBuzz font; one thread at a time.

#include "DrawingSurface.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class RasterFont {
 public:
  // The face for font opened once in the process and kept (a batch of
  // pictures shares it), or null when refused. Safe from any thread: a
  // thread asking while another opens the same face waits for it. The face
  // itself is then used by one thread at a time.
  static RasterFont* shared(const SurfaceFont& font);
  // Closes the shared faces and fontconfig's set-up (call once, last).
  static void releaseShared();
  ~RasterFont();
  RasterFont(const RasterFont&) = delete;
  RasterFont& operator=(const RasterFont&) = delete;

  // The distance from a text's top to its baseline, in pixels.
  int ascent() const { return m_ascent; }
  // How far utf8 reaches to the right of its x; nullopt when refused.
  std::optional<int> width(const std::string& utf8);
  // Lays utf8 out with its baseline's left end at (x, baselineY) and hands
  // every row of every glyph to put(x, y, coverage, count), coverage from 0
  // to 255 for count pixels from (x, y) on, not cut to any picture. False,
  // with nothing handed, when refused.
  using GlyphRow = std::function<void(int x, int y, const uint8_t* coverage, int count)>;
  bool draw(int x, int baselineY, const std::string& utf8, const GlyphRow& put);
  // A pixel under a glyph's coverage in colour, as the raster engine blends
  // it (0xAARRGGBB, no gamma).
  static uint32_t blend(uint32_t pixel, uint32_t colour, int coverage);

  // FreeType, HarfBuzz and fontconfig objects, kept out of this header.
  struct Handles;

 private:
  struct PlacedGlyph {
    uint32_t glyph;
    int32_t x;  // pen position plus offset, 1/64 pixel from the text's start
    int32_t y;  // offset, 1/64 pixel, down
  };
  struct Bitmap {
    int left = 0;  // from the pen position to the first column
    int top = 0;   // from the baseline up to the first row
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;
  };

  RasterFont();
  // The face for font, or null when it cannot be drawn here exactly as Qt
  // draws it. Reads fontconfig's set-up on first use in the process (a few
  // milliseconds).
  static std::unique_ptr<RasterFont> open(const SurfaceFont& font);
  // The glyphs of utf8 in drawing order and its advance (1/64 pixel);
  // false when refused.
  bool layout(const std::string& utf8, std::vector<PlacedGlyph>& out, int32_t& advance);
  const Bitmap* bitmap(uint32_t glyph, int subpixel);

  std::unique_ptr<Handles> m_h;
  int m_ascent = 0;
  std::map<std::pair<uint32_t, int>, Bitmap> m_bitmaps;
  std::vector<PlacedGlyph> m_placed;
  std::vector<uint16_t> m_utf16;

 public:
  // Advance and glyph lookups the HarfBuzz callbacks reach (cached).
  uint32_t glyphOf(uint32_t codePoint);
  int32_t advanceOf(uint32_t glyph);

 private:
  std::unordered_map<uint32_t, int32_t> m_advances;
  std::unordered_map<uint32_t, uint32_t> m_glyphIds;
};
