#include "ChartPainter.h"

#include "ChartRenderer.h"
#include "DrawingSurfaceQt.h"

#include <QPainter>

QFont ChartPainter::labelFont() { return DrawingSurfaceQt::japaneseFont(SurfaceFont{13, 400, false}); }

ChartScene ChartPainter::paint(QPainter& painter, const QFont& font, ChartInput input) {
  painter.save();
  ChartScene scene;
  {
    DrawingSurfaceQt surface(painter, font);
    input.fontHeight = surface.fontHeight();
    input.textWidth = [&surface](const std::string& text) { return surface.textWidth(text); };
    scene = ChartGeometry::compute(input);
    ChartRenderer::draw(scene, surface);
  }
  painter.restore();
  return scene;
}
