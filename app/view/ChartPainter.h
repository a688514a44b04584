#pragma once
// ChartPainter: paints the chart of a series on any QPainter - the form
// view's, a picture's, a PDF writer's or a printer's - with no widget.
// ChartGeometry::compute turns the series, its window (first shown index,
// count, vertical maximum), the drawing rectangle and the options into a
// ChartScene; ChartRenderer draws that scene. The scene is returned, so the
// caller keeps what it needs of it (the screen: bar pitch and last tick for
// the band zoom and the cursor snapping); nothing is kept here.
//
// Needs a QGuiApplication for the fonts, never a QApplication.

#include "ChartGeometry.h"
#include "ChartScene.h"

#include <QFont>

class QPainter;

class ChartPainter {
 public:
  // The chart's label font on the screen and in pictures: 13 pixels, in the
  // program's Japanese face.
  static QFont labelFont();

  // Computes and draws the chart of input (its rectangle in the painter's
  // coordinates) in font; the label unit and the label widths come from
  // that font on the painter's device. Returns the scene drawn.
  static ChartScene paint(QPainter& painter, const QFont& font, ChartInput input);
};
