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
  applyProgramIdentity();
  QSettings().clear();
  QSettings().setValue(QStringLiteral("ShownSeriesSpan/Width"), 1100);
  QSettings().setValue(QStringLiteral("ShownSeriesSpan/Height"), 640);
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeApp app(state, messages);
  ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope"), QString::fromStdString(kLong)}));
  CMainFrame& frame = *app.mainFrame();
  CHyetoscopeView& view = *frame.view();
  TempDir dir;

  // Then with the overlay curves on: the window and the tool draw the same.
  const struct {
    int command;
    const char* interval;
    bool overlay;
  } modes[] = {{cmd::IntervalTenMinute, "10min", false}, {cmd::IntervalHourly, "hour", false},
               {cmd::IntervalDaily, "day", false},       {cmd::IntervalMonthly, "month", false},
               {cmd::IntervalTenMinute, "10min", true},  {cmd::IntervalHourly, "hour", true}};
  for (const auto& m : modes) {
    SCOPED_TRACE(std::string(m.interval) + (m.overlay ? " overlay" : ""));
    ASSERT_TRUE(frame.executeCommand(m.command));
    if (view.overlay().shown() != m.overlay) {
      ASSERT_TRUE(frame.executeCommand(cmd::ChartOverlay));
    }
    const QImage window = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const ViewLayout& l = view.layoutRects();
    // The tool's picture is the client area down to the end of the labels.
    const int width = window.width();
    const int height = window.height() - 75;
    const std::string png = dir.file(std::string(m.interval) + (m.overlay ? "-overlay" : "") + ".png");
    std::vector<std::string> args{"chart", "-i", m.interval, "--size", std::to_string(width) + "x" + std::to_string(height),
                                  "-o", png, kLong};
    if (m.overlay) args.insert(args.begin() + 1, "--overlay");
    const CliResult r = runCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QImage tool(QString::fromStdString(png));
    ASSERT_EQ(tool.size(), QSize(width, height));
    tool = tool.convertToFormat(QImage::Format_RGB32);
    if (const char* shots = std::getenv("HY_SHOT_DIR")) {
      const QString name = QLatin1String(m.interval) + QLatin1String(m.overlay ? "-overlay" : "");
      tool.save(QString::fromLocal8Bit(shots) + QStringLiteral("/cli-%1.png").arg(name));
      window.save(QString::fromLocal8Bit(shots) + QStringLiteral("/window-%1.png").arg(name));
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

// The overlay adds its curves, right-hand axis and legend inside the plot
// and changes no pixel outside it; a bad half-life is a usage error.
TEST(CliChart, OverlayChangesOnlyThePlot) {
  TempDir dir;
  for (const char* interval : {"10min", "hour"}) {
    SCOPED_TRACE(interval);
    const std::string plain = dir.file(std::string(interval) + ".png");
    const std::string over = dir.file(std::string(interval) + "-overlay.png");
    const std::vector<std::string> window{"-i", interval, "--from", "2024-08-29", "--to", "2024-09-03", "--size", "1000x500"};
    std::vector<std::string> a{"chart"}, b{"chart", "--overlay"};
    for (const std::string& w : window) {
      a.push_back(w);
      b.push_back(w);
    }
    a.insert(a.end(), {"-o", plain, kLong});
    b.insert(b.end(), {"-o", over, kLong});
    ASSERT_EQ(runCli(a).exitCode, 0);
    const CliResult r = runCli(b);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QImage p = QImage(QString::fromStdString(plain)).convertToFormat(QImage::Format_RGB32);
    const QImage o = QImage(QString::fromStdString(over)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(p.size(), o.size());
    const ViewRect plot = computeViewLayout(1000, 500 + 75).chartWidget;
    int inside = 0, outside = 0, red = 0;
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x) {
        if (p.pixel(x, y) == o.pixel(x, y)) continue;
        const bool in = x >= plot.left && x < plot.right && y >= plot.top && y < plot.bottom;
        (in ? inside : outside) += 1;
        red += o.pixel(x, y) == qRgb(200, 0, 0) ? 1 : 0;
      }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 2000) << "curves, axis and legend";
    EXPECT_GT(red, 500) << "the continuous rainfall's line";
  }
  const CliResult bad = runCli({"chart", "--overlay", "--half-life", "1,2,3", "-o", dir.file("x.png"), kLong});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find("--half-life"), std::string::npos) << bad.err;
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
