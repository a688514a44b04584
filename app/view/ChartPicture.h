#pragma once
// ChartPicture: the screen's chart kept as a picture the size of the form
// view: the view's background, the chart drawn on it by ChartPainter without
// its XOR-ed parts, and the two cursor lines XOR-ed in. The view copies from
// it what a paint asks for and XORs the zoom band (only while it is dragged)
// over the copy.
//
// Owns the picture, the scene last drawn into it and what that drawing was
// made from (the chart's rectangle and the series' window and values, the
// overlay and its revision, size and background). update() draws the chart
// again only when one of those changed; when only the cursors moved it XORs
// the old lines out and the new ones in, so a cursor step costs two columns.
// Every XOR is its own inverse, so the picture is always exactly what
// drawing the whole chart, cursor lines included, would give.
//
// Does not decide what the chart shows (ChartGeometry does) or where the
// cursors are (CursorState does), and paints no widget.

#include "ChartGeometry.h"
#include "ChartScene.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <vector>

class ChartPicture {
 public:
  // Brings the picture up to date. chart: the chart's rectangle in view
  // coordinates (the drawing rectangle is (0, 0, width, height) of it,
  // labels fall left of and below it); input: the chart as
  // ChartPainter::paint takes it, rectangle and font fields aside; its band
  // is ignored (see band()). withChart false: the background only.
  // overlayRevision changes whenever the curves behind input.overlay do.
  // Returns the view pixels that changed: the whole picture when the chart
  // was drawn again, else the columns of the moved cursor lines.
  QRegion update(const QSize& viewSize, qreal dpr, const QColor& background, bool withChart, const QRect& chart,
                 const QFont& font, const ChartInput& input, uint64_t overlayRevision);

  const QImage& image() const { return m_image; }
  // The scene drawn (cursor lines included), in chart coordinates.
  const ChartScene& scene() const { return m_scene; }

  // XORs the vertical line (x, y1)..(x, y2), end point left out, into image
  // as Qt's one-pixel XOR line in color would (rows outside image are
  // skipped). Public for the tests that hold it to Qt's own line.
  static void xorColumn(QImage& image, int x, int y1, int y2, QColor color);

 private:
  struct Key {
    QSize size;
    qreal dpr = 0.0;
    QRgb background = 0;
    bool withChart = false;
    QRect chart;
    bool loaded = false;
    int firstShownIndex = 0;
    int visibleCount = 0;
    int valueCount = 0;
    int intervalMode = 0;
    int verticalMax = 0;
    int64_t seriesStart = 0;
    const void* overlay = nullptr;
    uint64_t overlayRevision = 0;
    bool operator==(const Key&) const = default;
  };

  void redraw(const Key& key, const QColor& background, const QFont& font, const ChartInput& input);
  void xorCursorLines(const std::vector<ChartLineI>& lines);
  bool sameValues(const ChartInput& input) const;
  void keepValues(const ChartInput& input);

  QImage m_image;
  ChartScene m_scene;
  bool m_valid = false;
  Key m_key;
  std::vector<double> m_values;  // the shown window's values drawn
};
