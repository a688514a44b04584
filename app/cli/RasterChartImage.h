#pragma once
// RasterChartImage: ChartImage's picture of the chart drawn without Qt Gui
// (DrawingSurfaceRaster): the same white picture, the chart placed by the
// window's layout, every pixel as ChartImage sets it. Refuses whatever the
// raster surface refuses and a picture of more colours than PalettePng
// stores; the caller then draws with ChartImage.

#include "DisplaySeries.h"
#include "PaletteCanvas.h"

#include <optional>
#include <string>

struct ChartOverlayData;

class RasterChartImage {
 public:
  // Opens the label face (fontconfig's set-up takes a few milliseconds),
  // so that a thread can do it while the recording is read.
  static void prepareFonts();
  // Closes the fonts once no more pictures are drawn.
  static void releaseFonts();

  // The picture, or nullopt when refused.
  static std::optional<PaletteCanvas> image(const DisplaySeries& series, int width, int height,
                                         const ChartOverlayData* overlay = nullptr);

  enum class Result { Written, NotWritable, Refused };
  // Writes the picture as a PNG that appears whole or not at all.
  static Result writePng(const std::string& path, const DisplaySeries& series, int width, int height,
                         const ChartOverlayData* overlay = nullptr);
};
