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

TEST(ChartRenderer, ZoomBandIsXoredLastOverTheChartsFullHeight) {
  double values[] = {5.0, 0.0, 20.0};
  auto s = makeSeries(IntervalMode::Hourly, 1714489200, values, 3, 100);
  ChartInput in;
  in.left = 10;
  in.top = 5;
  in.right = 314;
  in.bottom = 205;
  in.series = s.get();
  in.cursors = true;
  in.band = true;
  in.bandLeft = 40;
  in.bandRight = 40;  // empty: no band
  DrawingSurfaceRecorder none;
  ChartRenderer::draw(ChartGeometry::compute(in), none);
  EXPECT_TRUE(none.of(Kind::XorRectangle).empty());
  in.bandRight = 120;
  DrawingSurfaceRecorder surface;
  ChartRenderer::draw(ChartGeometry::compute(in), surface);
  ASSERT_EQ(surface.of(Kind::XorRectangle).size(), 1u);
  const auto& band = surface.calls().back();
  EXPECT_EQ(band.kind, Kind::XorRectangle);
  EXPECT_EQ((ChartRectI{band.x1, band.y1, band.x2, band.y2}), (ChartRectI{50, 5, 130, 205}));
  EXPECT_EQ(band.pen, (ChartColor{255, 255, 255}));
  EXPECT_EQ(band.brush, (ChartColor{0, 0, 64}));
  in.band = false;  // released: the same chart without it
  DrawingSurfaceRecorder after;
  ChartRenderer::draw(ChartGeometry::compute(in), after);
  EXPECT_EQ(after.calls().size(), surface.calls().size() - 1);
}
