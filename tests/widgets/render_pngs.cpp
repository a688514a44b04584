// Renders the chart of each bundled sample in each interval mode, shown
// whole, into PNG files for looking at by eye:
//   hy-chart-render-pngs [output folder, default /tmp] [width] [height] [zoom]
//                        [first shown index] [visible count]
// The image stands for the view's client area: the chart goes where the view
// lays out its plot rectangle, so the labels fall into the same margins.
#include "ChartPainter.h"
#include "GraphPlotCtrl.h"
#include "SampleSeries.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  std::string out = argc > 1 ? argv[1] : "/tmp";
  int width = argc > 2 ? std::atoi(argv[2]) : 1000;
  int height = argc > 3 ? std::atoi(argv[3]) : 500;
  int zoom = argc > 4 ? std::max(1, std::atoi(argv[4])) : 1;  // enlarges pixels to check edges
  int first = argc > 5 ? std::atoi(argv[5]) : 0;
  int visible = argc > 6 ? std::atoi(argv[6]) : 0;  // 0: the whole series
  const char* samples[] = {"long-2024-0.5mm", "short-2026-06-0.5mm", "tenth-2025-09-0.1mm"};
  const std::pair<IntervalMode, const char*> modes[] = {{IntervalMode::Hourly, "hourly"},
                                                        {IntervalMode::Daily, "daily"},
                                                        {IntervalMode::TenMinute, "tenminute"},
                                                        {IntervalMode::Monthly, "monthly"}};
  GraphPlotCtrl chart;
  int failures = 0;
  for (const char* sample : samples) {
    for (const auto& [mode, name] : modes) {
      auto series = loadSampleSeries(std::string(HY_SAMPLES_DIR) + "/" + sample + ".hyy", mode);
      if (!series) {
        std::fprintf(stderr, "cannot load %s\n", sample);
        ++failures;
        continue;
      }
      series->firstShownIndex = std::clamp(first, 0, series->valueCount);
      if (visible > 0) series->visibleCount = visible;
      QImage image(width, height, QImage::Format_RGB32);
      image.fill(QColor(240, 240, 240));
      QPainter painter(&image);
      QRect plot(QPoint(50, 18), QPoint(width - 20, height - 120));
      chart.setCursorX(50 + plot.width() / 3, 50 + plot.width() * 2 / 3);
      const QRect on(plot.left(), plot.top(), plot.width() + 1, plot.height());
      painter.translate(on.topLeft());
      ChartPainter::paint(painter, chart.labelFont(), chart.screenInput(on, true, *series));
      painter.end();
      std::string file = out + "/chart-" + sample + "-" + name + ".png";
      if (!image.scaled(image.size() * zoom).save(QString::fromStdString(file))) ++failures;
      std::printf("%s  (%d values)\n", file.c_str(), series->valueCount);
    }
  }
  // The six strip bitmaps side by side, ten times enlarged.
  QImage strip(6 * 17, 13, QImage::Format_RGB32);
  strip.fill(QColor(240, 240, 240));
  {
    QPainter painter(&strip);
    int x = 1;
    for (int id : {133, 131, 132, 130, 137, 138}) {
      painter.drawImage(x, 1, chart.bitmap(id));
      x += 17;
    }
  }
  std::string bitmaps = out + "/chart-bitmaps.png";
  if (!strip.scaled(strip.size() * 10).save(QString::fromStdString(bitmaps))) ++failures;
  std::printf("%s\n", bitmaps.c_str());
  return failures == 0 ? 0 : 1;
}
