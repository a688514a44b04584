#include "ChartPainter.h"

#include "ChartRenderer.h"
#include "DrawingSurfaceQt.h"

#include <QPainter>

QFont ChartPainter::labelFont() { return DrawingSurfaceQt::japaneseFont(ChartRenderer::kLabelFont); }

ChartScene ChartPainter::paint(QPainter& painter, const QFont& font, ChartInput input) {
  painter.save();
  ChartScene scene;
  {
    DrawingSurfaceQt surface(painter, font);
    scene = ChartRenderer::computeAndDraw(std::move(input), surface);
  }
  painter.restore();
  return scene;
}
