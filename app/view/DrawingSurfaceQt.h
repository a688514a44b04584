#pragma once
// DrawingSurfaceQt: the drawing surface over a QPainter (a widget, an image
// or a printer). Maps the surface's rules (end points left out, rectangles
// right- and bottom-exclusive, text by its top-left corner) onto Qt's.
//
// Borrows the painter; sets its font, pen and brush and leaves them changed
// (callers that need them back save and restore the painter).

#include "DrawingSurface.h"
#include "PixelPolyline.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <vector>

class DrawingSurfaceQt : public DrawingSurface {
 public:
  // fontHeight: the label unit; 0 takes the font's pixel size, or its
  // line height on the painter's device when it was set in points.
  DrawingSurfaceQt(QPainter& painter, const QFont& font);

  void setPen(ChartColor color) override;
  void setBrush(ChartColor color) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void line(int x1, int y1, int x2, int y2) override;
  void lines(const ChartLineI* first, size_t count) override;
  void setLinePen(ChartColor color, int width, LineDash dash) override;
  void polyline(const ChartPointI* points, size_t count) override;
  void xorLine(int x1, int y1, int x2, int y2, ChartColor color) override;
  void xorRectangle(int left, int top, int right, int bottom, ChartColor pen, ChartColor brush) override;
  void text(int x, int y, const std::string& utf8) override;
  void image(int x, int y, int resourceId) override;
  void setFont(const SurfaceFont& font) override;
  int fontHeight() const override { return m_fontHeight; }
  int textWidth(const std::string& utf8) const override;

  // The program's Japanese face ("メイリオ" asked for first, the installed
  // face standing in) at a pixel height, weight and underline.
  static QFont japaneseFont(const SurfaceFont& font);

 private:
  static bool toQtLine(const ChartLineI& in, QLine& out);
  bool polylineIntoPixels();

  QPainter& m_painter;
  QFontMetrics m_metrics;
  int m_fontHeight;
  std::vector<QLine> m_buffer;
  std::vector<QRect> m_columns;
  std::vector<ChartPointI> m_kept;
  std::vector<QPoint> m_points;
  std::vector<ChartPointI> m_devicePoints;
  static constexpr int kXorRows = 64;  // rows of one piece of an XOR line
  int m_strands = 1;  // one-pixel lines drawn side by side for a line pen
  PixelPolyline m_line{{}};  // the pen's one-pixel line
};
