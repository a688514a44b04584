#pragma once
// ChartPicture: the screen's chart kept as a picture the size of the form
// view: the view's background, the chart drawn on it by ChartPainter without
// its XOR-ed parts, and the two cursor lines XOR-ed in. The view copies from
// it what a paint asks for and XORs the zoom band (only while it is dragged)
// over the copy.
//
// Owns the picture, the scene last drawn and what the chart is made of now
// (the chart's rectangle and the series' window and values, the overlay and
// its revision, size and background). update() notes what changed: when
// the chart itself changed, the next paint draws it straight onto the
// screen (paintDirect, a whole new chart has to be drawn anyway) and the
// picture is drawn only once it is needed, when just the cursors or the band
// move or the view is painted again, in part or whole. When only the cursors moved
// the old lines are XOR-ed out of the picture and the new ones in, so a
// cursor step costs two columns. Every XOR is its own inverse, so the
// picture is always exactly what drawing the whole chart, cursor lines
// included, would give.
//
// Does not decide what the chart shows (ChartGeometry does) or where the
// cursors are (CursorState does), and paints no widget.

#include "ChartGeometry.h"
#include "ChartScene.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <vector>

class ChartPicture {
 public:
  // What the view shows of the chart now. chart: the chart's rectangle in
  // view coordinates (the drawing rectangle is (0, 0, width, height) of it,
  // labels fall left of and below it); input: the chart as
  // ChartPainter::paint takes it, its band aside (see drawXorBand).
  // withChart false: the background only. overlayRevision changes whenever
  // the curves behind input.overlay do. Returns the view pixels that
  // change: all of them when the chart changed, else the columns of the
  // moved cursor lines. Draws nothing.
  QRegion update(const QSize& viewSize, qreal dpr, const QColor& background, bool withChart, const QRect& chart,
                 const ChartInput& input, uint64_t overlayRevision);

  // Paints region of the view (painter is the view's): where it touches
  // chartArea (the view's own pixels, its children's rectangles left out)
  // the chart, straight or from the picture, with the band over it; under
  // the children only the background, which is all the chart leaves there.
  void paint(QPainter& painter, const QRegion& region, const QRegion& chartArea, const QColor& background,
             const QFont& font, const ChartInput& input);

  // True when the picture shows what update() was last told.
  bool drawn() const { return m_drawn; }
  // True while what update() was last told has not been painted at all:
  // the one paint for which drawing straight onto the screen saves work.
  // A chart painted again unchanged comes from the picture.
  bool unseen() const { return !m_drawn && !m_shownDirect; }
  // Draws the picture unless drawn(); input as given to update().
  void draw(const QColor& background, const QFont& font, const ChartInput& input);
  // Draws the chart straight onto painter (the view's), cursor lines and
  // band included, and the background around it in region: what the
  // picture would show, without drawing the picture.
  void paintDirect(QPainter& painter, const QRegion& region, const QColor& background, const QFont& font,
                   const ChartInput& input);
  // The zoom band of input XOR-ed over painter (the view's, after the
  // picture was copied).
  void drawXorBand(QPainter& painter, const QFont& font, const ChartInput& input) const;

  const QImage& image() const { return m_image; }
  // The scene last drawn (cursor lines included), in chart coordinates.
  const ChartScene& scene() const { return m_scene; }

  // XORs the vertical line (x, y1)..(x, y2) into image as Qt's one-pixel
  // XOR line in color would: the upper end in, the lower one out, rows
  // outside image skipped. Public for the tests that hold it to Qt's own line.
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

  void xorCursorLines(const std::vector<ChartLineI>& lines);
  bool sameValues(const ChartInput& input) const;
  void keepValues(const ChartInput& input);
  void fillAround(QPainter& painter, const QRegion& region, const QColor& background) const;

  QImage m_image;
  ChartScene m_scene;
  bool m_known = false;  // m_key, m_values and m_lines hold what to show
  bool m_drawn = false;  // the picture shows it
  bool m_shownDirect = false;  // paintDirect has shown it
  Key m_key;
  std::vector<double> m_values;  // the shown window's values
  std::vector<ChartLineI> m_lines;  // the cursor lines, chart coordinates
};
