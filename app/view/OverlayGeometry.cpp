#include "OverlayGeometry.h"

#include "DrawingSurface.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

int columnOf(double v) { return static_cast<int>(v); }

// Which slot of the curves holds bar i's value: slot = base + i * per + last.
struct SlotMap {
  bool valid = false;
  int64_t base = 0;
  int64_t per = 1;

  int64_t slot(int i) const { return base + static_cast<int64_t>(i) * per; }
};

SlotMap slotMap(const DisplaySeries& s, int64_t slotStart) {
  SlotMap m;
  const int64_t offset = s.seriesStart - slotStart;
  if (offset % 600 != 0) return m;
  m.valid = true;
  if (s.intervalMode == IntervalMode::Hourly) {
    // Bar i ends at seriesStart + 3600 (i + 1): its last slot ends there.
    m.per = 6;
    m.base = offset / 600 + 5;
  } else {
    m.per = 1;
    m.base = offset / 600;
  }
  return m;
}

}  // namespace

double OverlayGeometry::axisMaximum(double maxMm, int maxIntervals, double* step) {
  const double top = std::max(maxMm, kMinAxisMm);
  maxIntervals = std::max(maxIntervals, 1);
  static constexpr double kMantissas[] = {1.0, 2.0, 2.5, 5.0};
  double best = 0.0;
  double bestStep = 0.0;
  // Steps grow until one step covers everything; the lowest maximum wins,
  // the finer step on a tie.
  for (double power = 1.0; bestStep == 0.0 || power <= top * 10.0; power *= 10.0) {
    for (double m : kMantissas) {
      if (power == 1.0 && m == 2.5) continue;  // keep whole-millimetre labels
      const double s = m * power;
      // A hair of tolerance: 30 mm on steps of 10 is three steps, not four.
      const double n = std::ceil(top / s - 1e-9);
      if (n > maxIntervals) continue;
      if (bestStep == 0.0 || n * s < best - 1e-9) {
        best = n * s;
        bestStep = s;
      }
    }
  }
  if (step != nullptr) *step = bestStep;
  return best;
}

namespace {

// Per pixel column, a curve's values in their order (the lowest and the
// highest), in runs broken where a value is missing.
struct Column {
  int x;
  double first, second;
};
struct ColumnCurve {
  std::vector<Column> columns;
  std::vector<size_t> runEnds;  // index past each run's last column
};

// The shown bars f..e grouped by pixel column: bars from..to-1 fall in x.
struct ColumnBars {
  int x;
  int from, to;
};

template <typename ColumnOfBar>
std::vector<ColumnBars> columnBars(int f, int e, const ColumnOfBar& columnOfBar) {
  std::vector<ColumnBars> out;
  for (int i = f; i < e; ++i) {
    const int x = columnOfBar(i);
    if (out.empty() || out.back().x != x) out.push_back({x, i, i});
    out.back().to = i + 1;
  }
  return out;
}

// One pass over the shown bars per curve; the largest value for the axis.
std::vector<ColumnCurve> columnCurves(const ChartOverlayData& data, const SlotMap& map,
                                      const std::vector<ColumnBars>& bars, double& largest) {
  std::vector<ColumnCurve> curves(data.curves.size());
  largest = 0.0;
  for (size_t c = 0; c < data.curves.size(); ++c) {
    const OverlayCurve& curve = data.curves[c];
    const int64_t size = static_cast<int64_t>(curve.mm.size());
    ColumnCurve& cv = curves[c];
    cv.columns.reserve(bars.size());
    int column = INT_MIN;
    double lo = 0.0, hi = 0.0;
    int loAt = 0, hiAt = 0;
    auto flushColumn = [&] {
      if (column == INT_MIN) return;
      cv.columns.push_back({column, loAt <= hiAt ? lo : hi, loAt <= hiAt ? hi : lo});
      if (hi > largest) largest = hi;
      column = INT_MIN;
    };
    auto endRun = [&] {
      flushColumn();
      if (cv.runEnds.empty() ? !cv.columns.empty() : cv.runEnds.back() != cv.columns.size())
        cv.runEnds.push_back(cv.columns.size());
    };
    for (const ColumnBars& g : bars) {
      // Bar i's value is curve.mm[first + (i - g.from) * per]; out of the
      // curve's range it is missing, as a missing value is.
      const int64_t first = map.slot(g.from);
      const double* mm = curve.mm.data();
      const bool inside = first >= 0 && map.slot(g.to - 1) < size;
      for (int i = g.from; i < g.to; ++i) {
        const int64_t k = first + static_cast<int64_t>(i - g.from) * map.per;
        const double v = inside || (k >= 0 && k < size) ? mm[k] : NAN;
        if (std::isnan(v)) {
          endRun();
          continue;
        }
        if (column != g.x) {
          flushColumn();
          column = g.x;
          lo = hi = v;
          loAt = hiAt = i;
        } else if (v < lo) {
          lo = v;
          loAt = i;
        } else if (v > hi) {
          hi = v;
          hiAt = i;
        }
      }
    }
    endRun();
  }
  return curves;
}

// Each run of each curve as a polyline through its columns' values.
template <typename YOf>
void addPolylines(const std::vector<ColumnCurve>& curves, const YOf& yOf, OverlayScene& out) {
  for (size_t c = 0; c < curves.size(); ++c) {
    size_t from = 0;
    for (size_t to : curves[c].runEnds) {
      std::vector<ChartPointI> run;
      run.reserve(2 * (to - from));
      for (size_t k = from; k < to; ++k) {
        const Column& col = curves[c].columns[k];
        const int ya = yOf(col.first);
        const int yb = yOf(col.second);
        run.push_back({col.x, ya});
        if (yb != ya) run.push_back({col.x, yb});
      }
      // A lone value still shows: a stroke one pixel long.
      if (run.size() == 1) run.push_back({run[0].x + 1, run[0].y});
      out.polylines.push_back({static_cast<int>(c), std::move(run)});
      from = to;
    }
  }
}

// Legend: one row per curve, a stretch of its line and its name, in the
// top left or top right corner, whichever the bars and curves reach less
// deeply; none when it does not fit. rightX: the right corner's box left.
void addLegend(const ChartInput& in, const ChartScene& chart, const ChartOverlayData& data, int rightX,
               const std::function<int(const std::string&)>& width, OverlayScene& out) {
  const int hf = in.fontHeight;
  const int h = in.bottom - in.top;
  const int pad = std::max(hf / 3, 2);
  const int sample = 2 * hf;
  int textWidth = 0;
  for (const OverlayCurve& c : data.curves) textWidth = std::max(textWidth, width(c.label));
  const int rows = static_cast<int>(data.curves.size());
  const int boxW = pad + sample + pad + textWidth + pad;
  const int boxH = pad + rows * (hf + 2) + pad;
  rightX -= pad + boxW;
  const int leftX = in.left + pad + 2;
  if (boxH > h - 2 * pad || leftX + boxW > in.right - pad) return;
  const int top = in.top + pad;
  const int bottom = top + boxH;
  // How far the bars and curves reach into a box at x..x + boxW.
  auto intrusion = [&](int x) {
    int deepest = 0;
    auto reach = [&](int left, int right, int y) {
      if (right < x || left > x + boxW) return;
      deepest = std::max(deepest, bottom - y);
    };
    for (const ChartRectI& r : chart.barRects) reach(r.left, r.right, r.top);
    for (const ChartLineI& l : chart.barLines) reach(std::min(l.x1, l.x2), std::max(l.x1, l.x2), std::min(l.y1, l.y2));
    for (const OverlayPolyline& line : out.polylines)
      for (const ChartPointI& q : line.points) reach(q.x, q.x, q.y);
    return deepest;
  };
  const bool right = rightX > leftX + boxW && intrusion(rightX) < intrusion(leftX);
  const int bx = right ? rightX : leftX;
  out.legendBox = {bx, top, bx + boxW, bottom};
  for (int r = 0; r < rows; ++r) {
    const int rowTop = top + pad + r * (hf + 2);
    const int y = rowTop + hf / 2 + 1;
    out.legend.push_back({r, {bx + pad, y, bx + pad + sample, y},
                          {bx + pad + sample + pad, rowTop, data.curves[static_cast<size_t>(r)].label}});
  }
}

}  // namespace

OverlayScene OverlayGeometry::compute(const ChartInput& in, const ChartScene& chart) {
  OverlayScene out;
  if (in.overlay == nullptr || in.series == nullptr) return out;
  const DisplaySeries& s = *in.series;
  const ChartOverlayData& data = *in.overlay;
  if (s.intervalMode != IntervalMode::TenMinute && s.intervalMode != IntervalMode::Hourly) return out;
  if (s.visibleCount <= 0 || data.curves.empty()) return out;
  const int w = in.right - in.left;
  const int h = in.bottom - in.top;
  const double p = ChartGeometry::pitch(w, s.visibleCount);
  if (p <= 0.0 || h < 8) return out;
  const SlotMap map = slotMap(s, data.slotStart);
  if (!map.valid) return out;
  const int f = std::max(s.firstShownIndex, 0);
  const int e = std::min(s.firstShownIndex + s.visibleCount, s.valueCount);
  const int hf = in.fontHeight;
  const std::function<int(const std::string&)> width = [&](const std::string& text) {
    return in.textWidth ? in.textWidth(text) : DrawingSurface::estimatedTextWidth(text, hf);
  };

  const double x0 = in.left + 2 + p / 2;
  const int inset = std::max(2, (hf + 3) / 7);  // the line width, see below
  const int xMin = in.left + inset;
  const int xMax = std::max(xMin, in.right - 1 - inset);
  const std::vector<ColumnBars> bars =
      columnBars(f, e, [&](int i) { return std::clamp(columnOf(x0 + (i - f) * p), xMin, xMax); });
  double largest = 0.0;
  const std::vector<ColumnCurve> curves = columnCurves(data, map, bars, largest);

  const int intervals = std::clamp(h / (2 * std::max(hf, 1)), 1, kMaxIntervals);
  out.axisMax = axisMaximum(largest, intervals, &out.axisStep);
  out.lineWidth = inset;
  // A line lineWidth wide, centred (wide pens) or drawn as strands to the
  // right and below (thin ones), stays inside the frame.
  const int span = std::max(h - 1 - 2 * inset, 0);
  const double scale = span / out.axisMax;
  auto yOf = [&](double v) {
    const double t = std::clamp(v, 0.0, out.axisMax);
    return in.bottom - 1 - inset - static_cast<int>(std::lround(scale * t));
  };
  addPolylines(curves, yOf, out);

  // Right-hand axis: ticks inward from the frame's right column, labels
  // left of them, kept inside the plot.
  const int edge = in.right - 1;
  const int tick = std::max(hf / 2, 3);
  int labelsWidth = 0;
  const int steps = static_cast<int>(std::lround(out.axisMax / out.axisStep));
  for (int j = 0; j <= steps; ++j) {
    const double v = j * out.axisStep;
    const int y = yOf(v);
    out.axisTicks.push_back({edge - tick, y, edge, y});
    char text[32];
    std::snprintf(text, sizeof text, j == steps ? "%gmm" : "%g", v);
    const int tw = width(text);
    labelsWidth = std::max(labelsWidth, tw);
    const int ly = std::clamp(y - hf / 2, in.top + 1, std::max(in.top + 1, in.bottom - 1 - hf));
    out.axisLabels.push_back({edge - tick - 2 - tw, ly, text});
  }

  addLegend(in, chart, data, edge - tick - 2 - labelsWidth, width, out);
  return out;
}
