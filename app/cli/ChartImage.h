#pragma once
// ChartImage: the window's chart as a picture of its own, W x H pixels, for
// PNG and PDF files. ChartPainter, the routine that draws the window's
// chart, draws it with no widget into the rectangle the window's layout
// gives a client area W wide whose controls below the labels (cursor strip,
// fields, statistics list) are left out, so bars, ticks and labels fall on
// the same pixels as in the window.
//
// Does not choose what is shown: the DisplaySeries says it (mode, window,
// vertical maximum), and the overlay curves, when given, are drawn over the
// bars as the window draws them. Needs a QGuiApplication (fonts), no
// QApplication.

#include "DisplaySeries.h"

#include <QImage>
#include <QRect>

#include <string>

class QPainter;
struct ChartOverlayData;

class ChartImage {
 public:
  // The rectangle given to the chart control for a W x H picture.
  static QRect chartRect(int width, int height);

  // Paints the picture: a white background and the chart.
  static void paint(QPainter& painter, const DisplaySeries& series, int width, int height,
                    const ChartOverlayData* overlay = nullptr);
  static QImage image(const DisplaySeries& series, int width, int height,
                    const ChartOverlayData* overlay = nullptr);

  // Writes a PNG or a one-page PDF of the picture. The file appears whole
  // or not at all. False when it cannot be written.
  static bool writePng(const std::string& path, const DisplaySeries& series, int width, int height,
                    const ChartOverlayData* overlay = nullptr);
  static bool writePdf(const std::string& path, const DisplaySeries& series, int width, int height,
                    const ChartOverlayData* overlay = nullptr);
};
