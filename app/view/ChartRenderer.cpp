#include "ChartRenderer.h"

#include <algorithm>
#include <iterator>

const ChartRenderer::CurveStyle& ChartRenderer::curveStyle(int curve) {
  const int last = static_cast<int>(std::size(kCurveStyles)) - 1;
  return kCurveStyles[std::clamp(curve, 0, last)];
}

void ChartRenderer::drawOverlay(const OverlayScene& o, DrawingSurface& surface) {
  for (const OverlayPolyline& line : o.polylines) {
    const CurveStyle& style = curveStyle(line.curve);
    surface.setLinePen(style.color, o.lineWidth, style.dash);
    surface.polyline(line.points.data(), line.points.size());
  }
  surface.setPen(kAxis);
  surface.lines(o.axisTicks.data(), o.axisTicks.size());
  for (const ChartLabel& label : o.axisLabels) surface.text(label.x, label.y, label.text);
  if (o.legend.empty()) return;
  surface.setBrush(kBackground);
  surface.rectangle(o.legendBox.left, o.legendBox.top, o.legendBox.right, o.legendBox.bottom);
  for (const OverlayLegendEntry& entry : o.legend) {
    const CurveStyle& style = curveStyle(entry.curve);
    surface.setLinePen(style.color, o.lineWidth, style.dash);
    const ChartPointI ends[2] = {{entry.sample.x1, entry.sample.y1}, {entry.sample.x2, entry.sample.y2}};
    surface.polyline(ends, 2);
  }
  surface.setPen(kAxis);
  for (const OverlayLegendEntry& entry : o.legend) surface.text(entry.label.x, entry.label.y, entry.label.text);
}

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

  if (!scene.overlay.empty()) drawOverlay(scene.overlay, surface);
  drawXor(scene, surface);
}

ChartScene ChartRenderer::computeAndDraw(ChartInput input, DrawingSurface& surface) {
  input.fontHeight = surface.fontHeight();
  input.textWidth = [&surface](const std::string& text) { return surface.textWidth(text); };
  ChartScene scene = ChartGeometry::compute(input);
  draw(scene, surface);
  return scene;
}

void ChartRenderer::drawXor(const ChartScene& scene, DrawingSurface& surface) {
  for (const ChartLineI& c : scene.cursorLines) surface.xorLine(c.x1, c.y1, c.x2, c.y2, kCursor);
  if (scene.hasBand) {
    const ChartRectI& b = scene.band;
    surface.xorRectangle(b.left, b.top, b.right, b.bottom, kBandOutline, kBandFill);
  }
}
