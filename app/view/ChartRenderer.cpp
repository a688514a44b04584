#include "ChartRenderer.h"

void ChartRenderer::draw(const CursorStripScene& strip, DrawingSurface& surface) {
  surface.setPen(kOutline);
  surface.setBrush(kBackground);
  surface.rectangle(strip.frame.left, strip.frame.top, strip.frame.right, strip.frame.bottom);
  for (const StripImage& image : strip.images) surface.image(image.x, image.y, image.resourceId);
}

void ChartRenderer::draw(const ChartScene& scene, DrawingSurface& surface) {
  surface.setPen(kOutline);
  surface.setBrush(kBackground);
  const ChartRectI& f = scene.frame;
  surface.rectangle(f.left, f.top, f.right, f.bottom);

  surface.setBrush(kBar);
  for (const ChartRectI& r : scene.barRects) surface.rectangle(r.left, r.top, r.right, r.bottom);
  surface.lines(scene.barLines.data(), scene.barLines.size());

  surface.setPen(kAxis);
  surface.lines(scene.gridLines.data(), scene.gridLines.size());
  for (const ChartLabel& label : scene.labels) surface.text(label.x, label.y, label.text);

  for (const ChartLineI& c : scene.cursorLines) surface.xorLine(c.x1, c.y1, c.x2, c.y2, kCursor);
  if (scene.hasBand) {
    const ChartRectI& b = scene.band;
    surface.xorRectangle(b.left, b.top, b.right, b.bottom, kBandOutline, kBandFill);
  }
}
