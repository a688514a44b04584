#include "RasterChartImage.h"

#include "ChartRenderer.h"
#include "DrawingSurfaceRaster.h"
#include "PalettePng.h"
#include "RasterFont.h"
#include "ViewLayout.h"

#include <QSaveFile>
#include <QString>

#include <new>

void RasterChartImage::prepareFonts() {
  try {
    RasterFont::shared(ChartRenderer::kLabelFont);
  } catch (const std::bad_alloc&) {
    // Left to the first picture, which is then refused.
  }
}

void RasterChartImage::releaseFonts() { RasterFont::releaseShared(); }

std::optional<PaletteCanvas> RasterChartImage::image(const DisplaySeries& series, int width, int height,
                                                     const ChartOverlayData* overlay) {
  PaletteCanvas picture(width, height, 0xffffffu);
  // As ChartImage: the chart control's corner is the origin of the chart's
  // coordinates.
  const ViewRect rect = chartPictureRect(width, height);
  DrawingSurfaceRaster surface(picture, rect.left, rect.top, ChartRenderer::kLabelFont);
  if (!surface.supported()) return std::nullopt;
  ChartInput in;
  in.right = rect.width();
  in.bottom = rect.height();
  in.series = &series;
  in.overlay = overlay;
  ChartRenderer::computeAndDraw(std::move(in), surface);
  if (!surface.supported()) return std::nullopt;
  return picture;
}

RasterChartImage::Result RasterChartImage::writePng(const std::string& path, const DisplaySeries& series, int width,
                                                    int height, const ChartOverlayData* overlay) {
  // A picture too large for the memory left is refused too: the drawing
  // program then says what it says of such a picture.
  try {
    std::optional<PaletteCanvas> picture = image(series, width, height, overlay);
    if (!picture) return Result::Refused;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return Result::NotWritable;
    if (!PalettePng::write(*picture, file)) {
      file.cancelWriting();
      return Result::Refused;
    }
    return file.commit() ? Result::Written : Result::NotWritable;
  } catch (const std::bad_alloc&) {
    return Result::Refused;
  }
}
