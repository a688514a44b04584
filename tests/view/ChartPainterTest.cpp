// ChartPainter in a process with Qt Gui only: no QApplication, and this
// binary links no Qt Widgets. The scene it draws is the one ChartGeometry
// computes with the label font's own widths (what the screen draws, see
// GraphPlotCtrlGuiTest), and the picture is that scene rendered.
#include "ChartPainter.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceQt.h"
#include "GuiOnlyTest.h"
#include "SampleSeries.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

TEST_F(GuiOnly, PaintsTheComputedSceneWithTheFontsOwnWidths) {
  ASSERT_FALSE(QCoreApplication::instance()->inherits("QApplication"));
  const QFont font = ChartPainter::labelFont();
  const QFontMetrics metrics(font);
  for (IntervalMode mode : {IntervalMode::TenMinute, IntervalMode::Hourly, IntervalMode::Daily, IntervalMode::Monthly}) {
    SCOPED_TRACE(static_cast<int>(mode));
    auto series = loadSampleSeries(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy", mode);
    ASSERT_TRUE(series);
    ChartInput in;
    in.left = 50;
    in.top = 18;
    in.right = 50 + 931;
    in.bottom = 18 + 362;
    in.series = series.get();

    QImage painted(1000, 500, QImage::Format_RGB32);
    painted.fill(Qt::white);
    ChartScene scene;
    {
      QPainter painter(&painted);
      scene = ChartPainter::paint(painter, font, in);
    }
    ChartInput expected = in;
    expected.fontHeight = 13;
    expected.textWidth = [&](const std::string& text) {
      return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    const ChartScene computed = ChartGeometry::compute(expected);
    EXPECT_TRUE(scene == computed);
    EXPECT_DOUBLE_EQ(scene.barPitch, 927.0 / series->visibleCount);
    EXPECT_DOUBLE_EQ(scene.lastTick, 52 + scene.barPitch / 2 + series->visibleCount * scene.barPitch);
    EXPECT_GT(scene.barRects.size() + scene.barLines.size(), 10u);

    QImage rendered(1000, 500, QImage::Format_RGB32);
    rendered.fill(Qt::white);
    {
      QPainter painter(&rendered);
      DrawingSurfaceQt surface(painter, font);
      ChartRenderer::draw(computed, surface);
    }
    EXPECT_TRUE(painted == rendered);
  }
}
