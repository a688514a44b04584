#include "ChartImage.h"

#include "ChartPainter.h"
#include "PalettePng.h"
#include "ViewLayout.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
// Pixels per inch of a PDF page, so that a W x H chart is the same drawing
// as the picture (label font 13 pixels, one-pixel lines).
constexpr int kPdfResolution = 96;
// The fastest zlib level: a chart is mostly flat colour, which compresses
// well at any level, and encoding at the default level takes longer than
// drawing the chart.
constexpr int kPngQuality = 100 - 100 / 9;
}  // namespace

QRect ChartImage::chartRect(int width, int height) {
  const ViewRect r = chartPictureRect(width, height);
  return QRect(r.left, r.top, r.width(), r.height());
}

void ChartImage::paint(QPainter& painter, const DisplaySeries& series, int width, int height,
                       const ChartOverlayData* overlay) {
  painter.fillRect(QRect(0, 0, width, height), Qt::white);
  // The window computes its chart with the control's corner as origin, and
  // label positions left of that origin are cut towards zero: draw in the
  // same coordinates so that every label lands on the window's pixel.
  const QRect rect = chartRect(width, height);
  painter.save();
  painter.translate(rect.topLeft());
  ChartInput in;
  in.right = rect.width();
  in.bottom = rect.height();
  in.series = &series;
  in.overlay = overlay;
  ChartPainter::paint(painter, ChartPainter::labelFont(), std::move(in));
  painter.restore();
}

QImage ChartImage::image(const DisplaySeries& series, int width, int height,
                       const ChartOverlayData* overlay) {
  QImage picture(width, height, QImage::Format_RGB32);
  QPainter painter(&picture);
  paint(painter, series, width, height, overlay);
  painter.end();
  return picture;
}

bool ChartImage::writePng(const std::string& path, const DisplaySeries& series, int width, int height,
                       const ChartOverlayData* overlay) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  // A chart has a few dozen colours and is stored as a palette image. The
  // overlay's coloured lines under antialiased labels can bring more than a
  // palette's 256 colours: such a picture is stored as it is.
  const QImage picture = image(series, width, height, overlay);
  if (!PalettePng::write(reinterpret_cast<const uint32_t*>(picture.constBits()), picture.width(), picture.height(),
                         static_cast<size_t>(picture.bytesPerLine() / 4), file)) {
    if (!picture.save(&file, "PNG", kPngQuality)) {
      file.cancelWriting();
      return false;
    }
  }
  return file.commit();
}

bool ChartImage::writePdf(const std::string& path, const DisplaySeries& series, int width, int height,
                       const ChartOverlayData* overlay) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter pdf(&file);
    pdf.setResolution(kPdfResolution);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(width * 72.0 / kPdfResolution, height * 72.0 / kPdfResolution),
                              QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setCreator(QStringLiteral("hyetoscope-cli"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
      file.cancelWriting();
      return false;
    }
    paint(painter, series, width, height, overlay);
    painter.end();
  }
  return file.commit();
}
