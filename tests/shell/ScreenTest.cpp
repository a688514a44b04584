// What the window shows, pixel by pixel, in every interval mode and after a
// close. With HY_SHOT_DIR set, each picture is also written there as a PNG
// to be looked at.
#include "CHyetoscopeApp.h"
#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"

#include <QCoreApplication>
#include <QImage>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
const QRgb kBarColour = qRgb(0, 192, 255);

int countColour(const QImage& image, const ViewRect& r, QRgb colour) {
  int n = 0;
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, image.height()); ++y)
    for (int x = std::max(r.left, 0); x < std::min(r.right, image.width()); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
  return n;
}

QImage shoot(CHyetoscopeView& view, const char* name) {
  QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (const char* dir = std::getenv("HY_SHOT_DIR"))
    image.save(QString::fromLocal8Bit(dir) + QStringLiteral("/%1.png").arg(QString::fromLatin1(name)));
  if (const char* dir = std::getenv("HY_SHOT_DIR")) {
    CMainFrame* frame = qobject_cast<CMainFrame*>(view.window());
    if (frame) frame->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/window-%1.png").arg(QString::fromLatin1(name)));
  }
  return image;
}
}  // namespace

TEST(Screen, EveryModeShowsBarsInThePlotAndTheStripBelowIt) {
  applyProgramIdentity();
  QSettings().clear();
  QSettings().setValue(QStringLiteral("ShownSeriesSpan/Width"), 1000);
  QSettings().setValue(QStringLiteral("ShownSeriesSpan/Height"), 600);
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app(state, messages);
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope"), QStringLiteral(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy")}));
  CMainFrame& frame = *app.mainFrame();
  CHyetoscopeView& view = *frame.view();

  const struct {
    int command;
    const char* name;
  } modes[] = {{cmd::IntervalTenMinute, "ten-minute"}, {cmd::IntervalHourly, "hourly"},
               {cmd::IntervalDaily, "daily"}, {cmd::IntervalMonthly, "monthly"}};
  for (const auto& m : modes) {
    SCOPED_TRACE(m.name);
    ASSERT_TRUE(frame.executeCommand(m.command));
    const QImage image = shoot(view, m.name);
    const ViewLayout& l = view.layoutRects();
    const ViewRect inside{l.plot.left + 2, l.plot.top + 2, l.plot.right - 2, l.plot.bottom - 2};
    const int insidePixels = inside.width() * inside.height();
    const int white = countColour(image, inside, qRgb(255, 255, 255));
    EXPECT_LT(white, insidePixels) << "bars and grid are drawn";
    EXPECT_GT(white, insidePixels / 2) << "and leave most of the plot white";
    // Narrow bars are lines; the few wide monthly bars show their fill.
    if (m.command == cmd::IntervalMonthly) {
      EXPECT_GT(countColour(image, l.plot, kBarColour), 1000);
    }
    // Labels of both axes lie in the margins left of and below the plot.
    EXPECT_GT(countColour(image, {0, l.plot.top, l.plot.left - 2, l.plot.bottom}, qRgb(0, 0, 0)), 0);
    EXPECT_GT(countColour(image, {l.plot.left, l.cursorStrip.bottom, l.plot.right, l.intervalField.top}, qRgb(0, 0, 0)), 0);
    EXPECT_EQ(countColour(image, {l.plot.left, l.plot.bottom + 1, l.plot.right, image.height()}, kBarColour), 0)
        << "nothing below the plot is bar-coloured";
    // The strip is white inside its black border.
    const ViewRect inner{l.cursorStrip.left + 12, l.cursorStrip.top + 1, l.cursorStrip.right - 12,
                         l.cursorStrip.bottom - 1};
    EXPECT_EQ(countColour(image, inner, qRgb(255, 255, 255)), inner.width() * inner.height());
    EXPECT_EQ(image.pixel(l.cursorStrip.left + 20, l.cursorStrip.top) & 0xFFFFFF, 0u);
  }

  ASSERT_TRUE(frame.executeCommand(cmd::CloseRecording));
  QCoreApplication::processEvents();
  const QImage empty = shoot(view, "closed");
  const ViewLayout& l = view.layoutRects();
  const ViewRect inside{l.plot.left + 2, l.plot.top + 2, l.plot.right - 2, l.plot.bottom - 2};
  EXPECT_EQ(countColour(empty, inside, qRgb(255, 255, 255)), inside.width() * inside.height())
      << "nothing inside the frame without a recording";
}
