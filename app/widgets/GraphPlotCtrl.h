#pragma once
// GraphPlotCtrl: the rainfall bar-chart control.
//
// Owns: the result of the last band drag (width and offset in bars), the
// band-enabled flag, the x positions of the two cursors (view client
// coordinates), the label font and the six handle and arrow bitmaps that the
// view copies into its cursor strip.
//
// Does not own or change the DisplaySeries; does not decide what to draw and
// keeps nothing of a drawing: screenInput says what the screen's chart is
// made of, ChartPainter computes the scene (ChartGeometry) and draws it
// (ChartRenderer) into the view's ChartPicture, and the view keeps its bar
// pitch and last tick. Printing, pictures and PDF files call ChartPainter
// themselves, with no widget. Which bars carry time labels,
// including the spacing chosen when a long recording is shown whole, is
// described in ChartTicks.h.
//
// Rectangles given to the paint calls are the area the chart covers (Qt's
// QRect: left, top, width, height); the chart's frame fills exactly that
// area, with the bars standing on its bottom row.
//
// The widget is placed by the view exactly over the plot rectangle. It draws
// nothing itself (the view paints the chart from its picture, so that labels
// left of and below the plot land in the view's margins); it takes the mouse
// for the zoom band, which screenInput puts into the chart while the user
// drags it.

#include "DisplaySeries.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>

#include "ChartBand.h"
#include "ChartBitmaps.h"
#include "ChartGeometry.h"
#include "ChartScene.h"

#include <functional>

struct ChartOverlayData;

class GraphPlotCtrl : public QWidget {
  Q_OBJECT

 public:
  // Resource ids of the six bitmaps.
  static constexpr int kRightArrow = ChartBitmaps::kRightArrow;
  static constexpr int kHandleB = ChartBitmaps::kHandleB;
  static constexpr int kLeftArrow = ChartBitmaps::kLeftArrow;
  static constexpr int kHandleA = ChartBitmaps::kHandleA;
  static constexpr int kLeftArrowPressed = ChartBitmaps::kLeftArrowPressed;
  static constexpr int kRightArrowPressed = ChartBitmaps::kRightArrowPressed;

  explicit GraphPlotCtrl(QWidget* parent = nullptr);
  ~GraphPlotCtrl() override;

  // The screen's chart, for ChartPainter on a painter translated to
  // plotRect's top-left corner. plotRect is the control's geometry in view
  // coordinates (the rectangle the view gives to setGeometry); the drawing
  // rectangle is (0, 0, width, height) of it, so labels fall left of and
  // below it. Background and frame always; bars, axes with labels and the
  // cursor lines only when loaded; the overlay curves over the bars when
  // given; the band while it is dragged.
  ChartInput screenInput(const QRect& plotRect, bool loaded, const DisplaySeries& series,
                         const ChartOverlayData* overlay = nullptr) const;
  bool bandDragging() const { return m_band.dragging(); }

  // Where the bar pitch of the screen's last drawing comes from when a band
  // drag ends (the view keeps it).
  void setBarPitchSource(std::function<double()> source) { m_barPitch = std::move(source); }
  double bandWidthBars() const { return m_bandWidthBars; }
  double bandOffsetBars() const { return m_bandOffsetBars; }
  void setBandEnabled(bool enabled) { m_bandEnabled = enabled; }

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
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void repaintBand();

  std::function<double()> m_barPitch;
  double m_bandWidthBars = 0.0;
  double m_bandOffsetBars = 0.0;
  bool m_bandEnabled = false;
  int m_cursorAX = 0;
  int m_cursorBX = 0;
  QFont m_labelFont;
  std::array<QImage, 6> m_bitmaps;
  ChartBand m_band;
};
