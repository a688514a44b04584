#include "WindowPlacement.h"

Placement placementFromStored(std::optional<int> x, std::optional<int> y, std::optional<int> w,
                              std::optional<int> h) {
  return {x.value_or(0), y.value_or(0), w.value_or(640), h.value_or(480)};
}

Placement placementToStore(PlacementRect w, PlacementRect d, bool maximisedOrMinimised) {
  auto insideX = [&](int x) { return x >= d.left && x <= d.right; };
  auto insideY = [&](int y) { return y >= d.top && y <= d.bottom; };
  const bool outside = !insideX(w.left) || !insideX(w.right) || !insideY(w.top) || !insideY(w.bottom);
  if (outside || maximisedOrMinimised) w = {d.left + 1, d.top + 1, d.right - 1, d.bottom - 1};
  return {w.left, w.top, w.right - w.left, w.bottom - w.top};
}
