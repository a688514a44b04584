// The chart tool's PNG against the window: the program's main window opens
// the same recording on the offscreen platform, switches to each interval,
// and its view is grabbed. Inside the chart's frame every pixel must be the
// same; in the label margins the same pixels must carry ink (the
// backgrounds differ, so text edges blend differently). A PDF of the same
// chart must carry the same label texts.
#include "CHyetoscopeApp.h"
#include "CHyetoscopeView.h"
#include "CMainFrame.h"
#include "CliRun.h"
#include "CommandIds.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QSettings>

#include <cstdio>
#include <cstdlib>

namespace {
const std::string kLong = std::string(HY_SAMPLES_DIR) + "/long-2024-0.5mm.hyy";

bool inside(const ViewRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }
}  // namespace

TEST(CliChart, PngIsTheWindowsChartPixelForPixel) {
  QCoreApplication::setOrganizationName(QStringLiteral("VELDEN CORPORATION"));
  QCoreApplication::setApplicationName(QStringLiteral("HY for Windows"));
  QSettings().clear();
  QSettings().setValue(QStringLiteral("GraphWindow/Width"), 1100);
  QSettings().setValue(QStringLiteral("GraphWindow/Height"), 640);
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app(state, messages);
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope"), QString::fromStdString(kLong)}));
  CMainFrame& frame = *app.mainFrame();
  CHyetoscopeView& view = *frame.view();
  TempDir dir;

  const struct {
    int command;
    const char* interval;
  } modes[] = {{cmd::IntervalTenMinute, "10min"}, {cmd::IntervalHourly, "hour"},
               {cmd::IntervalDaily, "day"}, {cmd::IntervalMonthly, "month"}};
  for (const auto& m : modes) {
    SCOPED_TRACE(m.interval);
    ASSERT_TRUE(frame.executeCommand(m.command));
    const QImage window = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const ViewLayout& l = view.layoutRects();
    // The tool's picture is the client area down to the end of the labels.
    const int width = window.width();
    const int height = window.height() - 75;
    const std::string png = dir.file(std::string(m.interval) + ".png");
    const CliResult r = runCli({"chart", "-i", m.interval, "--size", std::to_string(width) + "x" + std::to_string(height),
                                "-o", png, kLong});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QImage tool(QString::fromStdString(png));
    ASSERT_EQ(tool.size(), QSize(width, height));
    tool = tool.convertToFormat(QImage::Format_RGB32);
    if (const char* shots = std::getenv("HY_SHOT_DIR")) {
      tool.save(QString::fromLocal8Bit(shots) + QStringLiteral("/cli-%1.png").arg(QLatin1String(m.interval)));
      window.save(QString::fromLocal8Bit(shots) + QStringLiteral("/window-%1.png").arg(QLatin1String(m.interval)));
    }

    const QRgb windowBackground = window.pixel(width - 3, l.plot.top + 5);
    int framePixels = 0;
    int inkPixels = 0;
    int mismatches = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        // The scroll bar and the cursor strip are the window's own controls.
        if (inside(l.scrollBar, x, y) || (y >= l.cursorStrip.top - 1 && y < l.cursorStrip.bottom + 1)) continue;
        if (inside(l.chartWidget, x, y)) {
          ++framePixels;
          if (tool.pixel(x, y) != window.pixel(x, y) && ++mismatches < 8)
            std::fprintf(stderr, "F %d,%d tool %08x window %08x\n", x, y, tool.pixel(x, y), window.pixel(x, y));
        } else {
          const bool toolInk = tool.pixel(x, y) != qRgb(255, 255, 255);
          const bool windowInk = window.pixel(x, y) != windowBackground;
          inkPixels += toolInk ? 1 : 0;
          if (toolInk != windowInk && ++mismatches < 8)
            std::fprintf(stderr, "%d,%d tool %08x window %08x bg %08x\n", x, y, tool.pixel(x, y), window.pixel(x, y), windowBackground);
        }
      }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(framePixels, width * height / 2);
    EXPECT_GT(inkPixels, 500) << "the labels are there";
  }
}

TEST(CliChart, PdfCarriesTheLabelsAsText) {
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
  TempDir dir;
  const std::string pdf = dir.file("chart.pdf");
  const CliResult r = runCli({"chart", "-i", "month", "-o", pdf, kLong});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string text = dir.file("chart.txt");
  ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + text + "'").c_str()), 0);
  const std::string words = readWholeFile(text);
  for (const char* label : {"(mm)", "720", "2024/1", "2025/1", "12"})
    EXPECT_NE(words.find(label), std::string::npos) << label << "\n" << words;
}
