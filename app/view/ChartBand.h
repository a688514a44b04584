#pragma once
// ChartBand: the zoom band the user drags over the chart with the left
// button, and its result in bars. Plain state, no widget: GraphPlotCtrl
// forwards the mouse to it and draws the band it reports.
//
// The band always covers the full height of the chart; only its x range
// matters. Coordinates are the control's (drawing rectangle starting at 0).

class ChartBand {
 public:
  struct Result {
    bool accepted = false;  // false: narrower than one bar, discarded
    double widthBars = 0.0;
    double offsetBars = 0.0;
  };

  // Left button down. Starts a drag only when the band is enabled.
  bool press(int x, int y, bool enabled);
  // Mouse move inside the drawing rectangle (left, top, right, bottom with
  // right and bottom exclusive). True when the band changed.
  bool move(int x, int y, int left, int top, int right, int bottom);
  // Left button up. The band is accepted when it is at least one bar pitch
  // wide; the drag ends either way.
  Result release(double barPitch);

  bool dragging() const { return m_dragging; }
  // The band's x range, right exclusive; empty (left == right) before the
  // first move that leaves the anchor in both directions.
  int bandLeft() const { return m_left; }
  int bandRight() const { return m_right; }

 private:
  bool m_dragging = false;
  int m_anchorX = 0;
  int m_anchorY = 0;
  int m_left = 0;
  int m_right = 0;
};
