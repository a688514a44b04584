#pragma once
// GraphPlotCtrl: the rainfall bar-chart control.
//
// Owns: the bar pitch of the last drawing, the result of the last band drag
// (width and offset in bars), the band-enabled flag, the x positions of the
// two cursors (view client coordinates), the label font and the six handle
// and arrow bitmaps that the view copies into its cursor strip.
//
// Does not own or change the DisplaySeries; does not decide what to draw:
// ChartGeometry computes the bars, grid lines and labels as plain data and
// ChartRenderer draws them on a DrawingSurface. The same routine serves the
// screen (paintOnScreen) and printing (paintToDevice). Which bars carry
// time labels, including the spacing chosen when a long recording is shown
// whole, is described in ChartTicks.h.
//
// Rectangles given to the paint calls are the area the chart covers (Qt's
// QRect: left, top, width, height); the chart's frame fills exactly that
// area, with the bars standing on its bottom row.
//
// The widget is placed by the view exactly over the plot rectangle. It never
// fills its background (the view paints the chart through paintOnScreen with
// its own painter, so that labels left of and below the plot land in the
// view's margins); it only draws the zoom band while the user drags it.

#include "DisplaySeries.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>

#include "ChartBand.h"

class QPainter;
class DrawingSurface;
struct ChartInput;
struct ChartOverlayData;

// The x position, in control coordinates, of the tick one pitch right of the
// last shown bar. Written by every axis drawing, read by cursor snapping.
double& lastTickPosition();

class GraphPlotCtrl : public QWidget {
  Q_OBJECT

 public:
  // Resource ids of the six bitmaps.
  static constexpr int kRightArrow = 130;
  static constexpr int kHandleB = 131;
  static constexpr int kLeftArrow = 132;
  static constexpr int kHandleA = 133;
  static constexpr int kLeftArrowPressed = 137;
  static constexpr int kRightArrowPressed = 138;

  explicit GraphPlotCtrl(QWidget* parent = nullptr);
  ~GraphPlotCtrl() override;

  // Draws the chart with the view's painter. plotRect is the control's
  // geometry in view coordinates (the rectangle the view gives to
  // setGeometry); the drawing rectangle is (0, 0, width, height) of it, so
  // labels fall left of and below it. Background and frame always; bars,
  // axes with labels and the cursor lines only when loaded.
  void paintOnScreen(QPainter& viewPainter, const QRect& plotRect, bool loaded,
                     const DisplaySeries& series);

  // Draws the chart into rect (device coordinates) with the given font, as
  // printing does: background, frame, bars and axes; no cursor lines.
  void paintToDevice(QPainter& painter, const QRect& rect, const QFont& font,
                     const DisplaySeries& series);
  // The same, optionally drawing one line per bar instead of one per pixel
  // column when bars are narrower than two pixels (same pixels, much slower;
  // kept to measure the difference).
  void paintToDevice(QPainter& painter, const QRect& rect, const QFont& font,
                     const DisplaySeries& series, bool lineEveryBar);

  // Where every drawing (screen and printing) takes the overlay curves
  // from; the source returns null for none. Without a source: none.
  void setOverlaySource(std::function<const ChartOverlayData*()> source) { m_overlaySource = std::move(source); }

  double barPitch() const { return m_barPitch; }
  // Printing draws the chart at the page's size; it puts the screen's pitch
  // back afterwards so that band zoom and cursor snapping keep working.
  void restoreBarPitch(double pitch) { m_barPitch = pitch; }
  double bandWidthBars() const { return m_bandWidthBars; }
  double bandOffsetBars() const { return m_bandOffsetBars; }
  void setBandEnabled(int enabled) { m_bandEnabled = enabled; }

  // Cursor x positions in view client coordinates.
  void setCursorX(int a, int b) {
    m_cursorAX = a;
    m_cursorBX = b;
  }
  int cursorAX() const { return m_cursorAX; }
  int cursorBX() const { return m_cursorBX; }

  // One of the six resource ids above; an empty image for any other id.
  const QImage& bitmap(int resourceId) const;

  const QFont& labelFont() const { return m_labelFont; }

 signals:
  // A band drag ended with a band at least one bar pitch wide;
  // bandWidthBars() and bandOffsetBars() hold the result. The parent is
  // asked to repaint right after.
  void bandFinished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void draw(const ChartInput& in, DrawingSurface& surface);

  double m_barPitch = 0.0;
  double m_bandWidthBars = 0.0;
  double m_bandOffsetBars = 0.0;
  int m_bandEnabled = 0;
  int m_cursorAX = 0;
  int m_cursorBX = 0;
  QFont m_labelFont;
  std::array<QImage, 6> m_bitmaps;
  ChartBand m_band;
  std::function<const ChartOverlayData*()> m_overlaySource;
};
