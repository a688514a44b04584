#include "ViewLayout.h"

#include <utility>

namespace {
ViewRect normalised(ViewRect r) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}
ViewRect at(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
}  // namespace

ViewLayout computeViewLayout(int wc, int hc) {
  ViewLayout l;
  l.plot = normalised({50, 18, wc - 20, hc - 120});
  // The control covers the plot's last column too, so its frame line shows.
  l.chartWidget = at(l.plot.left, l.plot.top, l.plot.right - l.plot.left + 1, l.plot.bottom - l.plot.top);
  l.scrollBar = at(50, 4, wc - 70, 14);
  l.cursorStrip = {50, hc - 119, wc - 20, hc - 108};
  l.leftArrow = {35, hc - 119, 50, hc - 108};
  l.rightArrow = {wc - 20, hc - 119, wc - 5, hc - 108};
  l.statsList = at(50, hc - 59, wc - 70, 55);
  l.intervalField = at(50, hc - 75, 120, 15);
  l.sampleField = at(170, hc - 75, 120, 15);
  l.unitField = at(290, hc - 75, 120, 15);
  return l;
}

ViewRect cursorHandleRect(int x, int plotLeft, int plotRight, int stripTop) {
  int left = x - 5;
  if (x - 5 < plotLeft) left = plotLeft;
  if (plotRight < x + 6) left = plotRight - 11;
  return at(left, stripTop, 11, 11);
}

ViewRect chartPictureRect(int width, int height) {
  return computeViewLayout(width, height + kPictureControlsBelow).chartWidget;
}
