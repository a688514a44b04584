#include "ReportRenderer.h"

SurfaceFont ReportRenderer::surfaceFont(ReportFont font, const PrintFontHeights& heights) {
  SurfaceFont f;
  f.height = heights.of(font);
  f.weight = font == ReportFont::Graph ? 400 : 300;
  f.underline = font == ReportFont::Label;
  return f;
}

void ReportRenderer::draw(const ReportPage& page, const PrintFontHeights& heights, DrawingSurface& surface,
                          const ChartDrawer& chart) {
  surface.setPen({0, 0, 0});
  for (const ReportLine& l : page.lines) surface.line(l.x1, l.y1, l.x2, l.y2);
  if (page.hasChart && chart) chart(page.chart, surfaceFont(ReportFont::Graph, heights));
  bool selected = false;
  ReportFont current = ReportFont::Graph;
  surface.setPen({0, 0, 0});
  for (const ReportText& t : page.texts) {
    if (!selected || t.font != current) {
      surface.setFont(surfaceFont(t.font, heights));
      current = t.font;
      selected = true;
    }
    surface.text(t.x, t.y, t.text);
  }
}
