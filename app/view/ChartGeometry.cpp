#include "ChartGeometry.h"

#include "ChartTicks.h"
#include "DrawingSurface.h"
#include "LocalTime.h"
#include "OverlayGeometry.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

int trunc(double v) { return static_cast<int>(v); }

int shownEnd(const DisplaySeries& s) {
  return std::min(s.firstShownIndex + s.visibleCount, s.valueCount);
}

// Bar height in pixels for a value: clipped at the chart height; a chart
// without a vertical maximum shows every non-zero value at full height
// instead of dividing by zero.
double barHeight(double value, int vmax, int h) {
  if (!(value > 0.0)) return 0.0;
  if (vmax <= 0) return h;
  double t = h * value / vmax;
  return t > h ? h : t;
}

}  // namespace

ChartScene ChartGeometry::compute(const ChartInput& in) {
  ChartScene scene;
  scene.frame = ChartRectI{in.left, in.top, in.right, in.bottom};
  if (!in.loaded || in.series == nullptr) return scene;
  if (in.series->visibleCount > 0) {
    bars(in, scene);
    timeAxis(in, scene);
    valueAxis(in, scene);
    if (in.overlay != nullptr) scene.overlay = OverlayGeometry::compute(in, scene);
  }
  ChartScene xor_ = xorParts(in);
  scene.cursorLines = std::move(xor_.cursorLines);
  scene.hasBand = xor_.hasBand;
  scene.band = xor_.band;
  return scene;
}

ChartScene ChartGeometry::xorParts(const ChartInput& in) {
  ChartScene scene;
  if (!in.loaded || in.series == nullptr) return scene;
  // The cursor lines are drawn whenever a recording is loaded, also over an
  // empty window, so that the lines always match the handles.
  if (in.cursors) cursorLines(in, scene);
  if (in.band && in.bandLeft < in.bandRight) {
    scene.hasBand = true;
    scene.band = ChartRectI{in.left + in.bandLeft, in.top, in.left + in.bandRight, in.bottom};
  }
  return scene;
}

void ChartGeometry::bars(const ChartInput& in, ChartScene& scene) {
  const DisplaySeries& s = *in.series;
  const int w = in.right - in.left;
  const int h = in.bottom - in.top;
  const double p = pitch(w, s.visibleCount);
  scene.barPitch = p;
  // A chart narrower than its 4-pixel margin has no room for any bar.
  if (p <= 0.0) return;
  const double g = 0.9 * p;
  const int f = std::max(s.firstShownIndex, 0);
  const int e = shownEnd(s);
  const double left = in.left + 2;
  const int* missing = in.missingSlots;
  auto shows = [missing](int i) { return missing == nullptr || missing[i] <= 0; };

  if (g >= 2.0) {
    scene.barShape = BarShape::Rectangles;
    for (int i = f; i < e; ++i) {
      double t = barHeight(s.values[i], s.verticalMax, h);
      if (t == 0.0 || !shows(i)) continue;
      double x0 = left + (i - f) * p;
      // Edges as x0 + g and x0 + p - g, swapped into order.
      int a = trunc(x0 + g);
      int b = trunc(x0 + p - g);
      scene.barRects.push_back({std::min(a, b), trunc(in.bottom - t), std::max(a, b), in.bottom});
    }
    return;
  }

  scene.barShape = BarShape::Lines;
  if (in.lineEveryBar) {
    for (int i = f; i < e; ++i) {
      double t = barHeight(s.values[i], s.verticalMax, h);
      if (t == 0.0 || !shows(i)) continue;
      double x0 = left + (i - f) * p;
      scene.barLines.push_back({trunc(x0 + 0.45 * p), trunc(in.bottom - t), trunc(x0 + 0.55 * p), in.bottom});
    }
    return;
  }

  // Per pixel column: a bar line runs from its top down to the bottom, so in
  // one column only the tallest one shows, and the tallest bar is the one
  // with the largest value (the height only grows with the value). A bar
  // whose line straddles a column boundary (a slightly slanted line over two
  // columns) is kept as it is unless both columns already reach as high.
  const int firstColumn = trunc(left + 0.45 * p);
  const int lastColumn = trunc(left + (e - f - 1) * p + 0.55 * p);
  const size_t span = static_cast<size_t>(std::max(lastColumn - firstColumn + 1, 0));
  std::vector<double> largest(span, 0.0);
  std::vector<int> slanted;
  const double* values = s.values;
  // One pass: a dry bar costs one comparison, a wet one two truncations.
  for (int i = f; i < e; ++i) {
    const double v = values[i];
    if (!(v > 0.0) || !shows(i)) continue;
    const double x0 = left + (i - f) * p;
    const int c = trunc(x0 + 0.45 * p);
    if (trunc(x0 + 0.55 * p) != c) {
      slanted.push_back(i);
      continue;
    }
    double& top = largest[static_cast<size_t>(c - firstColumn)];
    if (v > top) top = v;
  }
  std::vector<int> tops(span, INT_MAX);
  for (size_t c = 0; c < span; ++c) {
    double t = barHeight(largest[c], s.verticalMax, h);
    if (t == 0.0) continue;
    int x = firstColumn + static_cast<int>(c);
    tops[c] = trunc(in.bottom - t);
    scene.barLines.push_back({x, tops[c], x, in.bottom});
  }
  for (int i : slanted) {
    double t = barHeight(values[i], s.verticalMax, h);
    if (t == 0.0) continue;
    const double x0 = left + (i - f) * p;
    ChartLineI line{trunc(x0 + 0.45 * p), trunc(in.bottom - t), trunc(x0 + 0.55 * p), in.bottom};
    auto topAt = [&](int x) { return tops[static_cast<size_t>(x - firstColumn)]; };
    if (topAt(line.x1) <= line.y1 && topAt(line.x2) <= line.y1) continue;
    scene.barLines.push_back(line);
  }
}

void ChartGeometry::timeAxis(const ChartInput& in, ChartScene& scene) {
  const DisplaySeries& s = *in.series;
  const int w = in.right - in.left;
  const int hf = in.fontHeight;
  const int b = in.bottom;
  const double p = pitch(w, s.visibleCount);
  const int f = s.firstShownIndex;
  const int e = shownEnd(s);
  const IntervalMode mode = s.intervalMode;

  ChartTicks::Spacing spacing = ChartTicks::spacing(mode, p, w, s.visibleCount);
  scene.labelSkip = spacing.skip;
  scene.labelStepSeconds = spacing.stepSeconds;

  int64_t t = s.seriesStart;
  int startMonth = 1;
  int startYear = 1970;
  switch (mode) {
    case IntervalMode::Hourly: t += static_cast<int64_t>(f) * 3600 + 3600; break;
    case IntervalMode::Daily: t += (static_cast<int64_t>(f) + 1) * 86400; break;
    case IntervalMode::TenMinute: t += (static_cast<int64_t>(f) + 1) * 600; break;
    case IntervalMode::Monthly: {
      struct tm start = toLocal(s.seriesStart);
      startMonth = start.tm_mon + 1;
      startYear = start.tm_year + 1900;
      break;
    }
  }

  // Row 0 the dates (and months), row 1 the times: where each row's last
  // label ends.
  int rowEnd[2] = {INT_MIN / 2, INT_MIN / 2};
  auto label = [&](int row, int x, int y, std::string text) {
    const int width = in.textWidth ? in.textWidth(text) : DrawingSurface::estimatedTextWidth(text, hf);
    if (x < rowEnd[row] + kLabelGap) return;
    rowEnd[row] = x + width;
    scene.labels.push_back({x, y, std::move(text)});
  };

  // Labelled bars are every (s + 1)-th from the first shown one; the bars
  // between them draw nothing, so only the labelled ones are visited.
  const int every = mode == IntervalMode::Monthly ? 1 : spacing.skip + 1;
  for (int j = f; j < e; j += every) {
    const double x = in.left + 2 + p / 2 + (j - f) * p;
    const bool first = j == f;
    scene.gridLines.push_back({trunc(x), in.top, trunc(x), b});
    const int dateX = first ? trunc(x - 3 * hf) : trunc(x - 10);
    switch (mode) {
      case IntervalMode::Hourly: {
        ChartTicks::TwoRows rows = ChartTicks::hourlyLabels(t, first);
        label(0, dateX, b + hf, std::move(rows.date));
        label(1, trunc(x - (first ? 10 : 5)), b + 2 * hf, std::move(rows.time));
        break;
      }
      case IntervalMode::Daily:
        label(0, dateX, b + hf, ChartTicks::dailyLabel(t, first));
        break;
      case IntervalMode::TenMinute: {
        ChartTicks::TwoRows rows = ChartTicks::tenMinuteLabels(t, first);
        label(0, dateX, b + hf, std::move(rows.date));
        label(1, trunc(x - 10), b + 2 * hf, std::move(rows.time));
        break;
      }
      case IntervalMode::Monthly: {
        bool withYear = false;
        std::string text = ChartTicks::monthlyLabel(startYear, startMonth + j, first, &withYear);
        int dx = first ? 35 : (withYear ? 20 : 5);
        label(0, trunc(x - dx), b + hf, std::move(text));
        break;
      }
    }
    t += spacing.stepSeconds;
  }
  // The tick after the last shown bar, one pitch right of it.
  if (e >= f) {
    scene.hasLastTick = true;
    scene.lastTick = in.left + 2 + p / 2 + (e - f) * p;
  }
}

void ChartGeometry::valueAxis(const ChartInput& in, ChartScene& scene) {
  const int vmax = in.series->verticalMax;
  if (vmax < 1) return;
  const int hf = in.fontHeight;
  const int h = in.bottom - in.top;
  const double q = vmax * 0.1;
  int v = 0;
  double o = 0.0;
  // The unit sits once above the axis; it does not depend on the line.
  scene.labels.push_back({in.left - 3 * hf, in.top - hf, "(mm)"});
  for (int line = 0; line < 10 && v < vmax; ++line) {
    char text[16];
    std::snprintf(text, sizeof text, "%5d", v);
    scene.labels.push_back({in.left - 3 * hf, in.bottom - trunc(o) - hf, text});
    o = o + h * 0.1;
    int y = in.bottom - trunc(o);
    scene.gridLines.push_back({in.left, y, in.right, y});
    v = v + trunc(q);
  }
}

void ChartGeometry::cursorLines(const ChartInput& in, ChartScene& scene) {
  for (int viewX : {in.cursorAX, in.cursorBX}) {
    int x = std::clamp(viewX - in.viewOffsetX, std::min(in.left, in.right), std::max(in.left, in.right));
    scene.cursorLines.push_back({x, in.top, x, in.bottom});
  }
}
