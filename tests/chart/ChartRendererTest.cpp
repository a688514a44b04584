// The drawing routine on the recording surface: what is drawn, in which
// colours and in which order, for a chart with a recording and without.
#include "ChartGeometry.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceRecorder.h"
#include "SampleSeries.h"

#include <gtest/gtest.h>

using Kind = DrawingSurfaceRecorder::Kind;

TEST(ChartRenderer, BackgroundFrameOnlyWithoutARecording) {
  ChartInput in;
  in.left = 0;
  in.top = 0;
  in.right = 300;
  in.bottom = 200;
  in.loaded = false;
  DrawingSurfaceRecorder surface;
  ChartRenderer::draw(ChartGeometry::compute(in), surface);
  ASSERT_EQ(surface.calls().size(), 1u);
  const auto& frame = surface.calls()[0];
  EXPECT_EQ(frame.kind, Kind::Rectangle);
  EXPECT_EQ(frame.pen, (ChartColor{0, 0, 0}));
  EXPECT_EQ(frame.brush, (ChartColor{255, 255, 255}));
  EXPECT_EQ(frame.x2, 300);
  EXPECT_EQ(frame.y2, 200);
}

TEST(ChartRenderer, BarsThenAxesThenCursorLinesInTheirColours) {
  double values[] = {5.0, 0.0, 20.0};
  auto s = makeSeries(IntervalMode::Hourly, 1714489200, values, 3, 100);  // 2024-05-01 00:00
  ChartInput in;
  in.right = 304;
  in.bottom = 200;
  in.series = s.get();
  in.cursors = true;
  in.viewOffsetX = 50;
  in.cursorAX = 100;
  in.cursorBX = 200;
  DrawingSurfaceRecorder surface;
  ChartRenderer::draw(ChartGeometry::compute(in), surface);
  const auto& calls = surface.calls();
  ASSERT_GE(calls.size(), 4u);

  auto rects = surface.of(Kind::Rectangle);
  ASSERT_EQ(rects.size(), 3u);  // frame and two bars; the zero draws nothing
  for (size_t i = 1; i < rects.size(); ++i) {
    EXPECT_EQ(rects[i].brush, (ChartColor{0, 192, 255}));
    EXPECT_EQ(rects[i].pen, (ChartColor{0, 0, 0}));
  }
  EXPECT_EQ(rects[1].y1, 200 - 10);
  EXPECT_EQ(rects[2].y1, 200 - 40);

  auto xors = surface.of(Kind::XorLine);
  ASSERT_EQ(xors.size(), 2u);
  EXPECT_EQ(xors[0].pen, (ChartColor{192, 192, 192}));
  EXPECT_EQ(xors[0].x1, 50);
  EXPECT_EQ(xors[1].x1, 150);
  // Cursor lines come last, over everything else.
  EXPECT_EQ(calls[calls.size() - 2].kind, Kind::XorLine);
  EXPECT_EQ(calls.back().kind, Kind::XorLine);

  // Grid lines and texts are drawn after the bars, in black.
  size_t lastBar = 0;
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].kind == Kind::Rectangle) lastBar = i;
  }
  for (size_t i = lastBar + 1; i < calls.size() - 2; ++i) {
    EXPECT_NE(calls[i].kind, Kind::Rectangle);
    EXPECT_EQ(calls[i].pen, (ChartColor{0, 0, 0}));
  }
  EXPECT_EQ(surface.of(Kind::Line).size(), 3u + 10u);  // three ticks, ten grid lines
  EXPECT_EQ(surface.of(Kind::Text).size(), 6u + 11u);   // two rows of three, "(mm)" and ten values
}
