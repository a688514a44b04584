// Prints every kind of report page of a recording into PDF files for looking
// at by eye (pdftoppm) and for checking with pdftotext:
//   hy-report-render-pdfs [recording, default the long sample] [output folder, default /tmp]
//                         [year of the tables, default 2024] [month, default 5]
// Writes chart-portrait.pdf, chart-landscape.pdf (hourly, whole recording,
// with the value list), month-<y>-<m>.pdf, month-2019-04.pdf, month-2019-05.pdf
// year-<y>.pdf, and month-landscape.pdf and year-landscape.pdf of the same
// month and year on landscape paper. The print time is fixed at 2026-01-02 03:04 (UTC+9).
// Also table-dialog.png (the table print settings dialog, filled in) and
// preview.png (the print preview on the monthly table).
#include "PrinterOutput.h"

#include "CTablePrintDlg.h"

#include "CLogstore1App.h"
#include "FileImage.h"
#include "GraphPages.h"
#include "RecordingBuffer.h"
#include "SeriesForMode.h"
#include "UserMessages.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const std::string file = argc > 1 ? argv[1] : HY_SAMPLES_DIR "/long-2024-0.5mm.hyy";
  const std::string out = argc > 2 ? argv[2] : "/tmp";
  const int year = argc > 3 ? std::atoi(argv[3]) : 2024;
  const int month = argc > 4 ? std::atoi(argv[4]) : 5;

  auto image = std::make_unique<FileImage>();
  logstore::CLogstore1App store;
  if (!store.BfileToBuff(file.c_str(), image->bytes)) {
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    return 1;
  }
  auto recording = std::make_unique<RecordingBuffer>();
  copyFileImage(*image, *recording);
  std::unique_ptr<RainSeries> hourly = makeSeriesFor(IntervalMode::Hourly);
  hourly->build(*recording);
  auto series = std::make_unique<DisplaySeries>();
  series->setValues(hourly->values.get(), hourly->valueCount);
  series->seriesStart = hourly->startTime;
  series->intervalMode = IntervalMode::Hourly;
  series->verticalMax = 100;
  series->visibleCount = series->valueCount;

  struct tm fixed {};
  fixed.tm_year = 126;
  fixed.tm_mon = 0;
  fixed.tm_mday = 2;
  fixed.tm_hour = 3;
  fixed.tm_min = 4;
  GraphPrintData data;
  data.series = series.get();
  data.loaded = true;
  data.dataName = printDataName(*recording);
  data.printTime = mktime(&fixed);

  int failures = 0;
  auto report = [&](const std::string& name, int pages) {
    std::printf("%s/%s: %d pages\n", out.c_str(), name.c_str(), pages);
    if (pages == 0) ++failures;
  };
  report("chart-portrait.pdf", printGraphToPdf(out + "/chart-portrait.pdf", data, PaperOrientation::Portrait));
  report("chart-landscape.pdf", printGraphToPdf(out + "/chart-landscape.pdf", data, PaperOrientation::Landscape));
  auto month_table = [&](int y, int m) {
    char name[64];
    std::snprintf(name, sizeof name, "month-%04d-%02d.pdf", y, m);
    auto snap = makeTableSnapshot(*recording, TableKind::HourlyMonth, y, m, "観測所");
    report(name, snap ? printTableToPdf(out + "/" + name, *snap, TableKind::HourlyMonth, PaperOrientation::Portrait) : 0);
  };
  month_table(year, month);
  {
    auto snap = makeTableSnapshot(*recording, TableKind::HourlyMonth, year, month, "観測所");
    report("month-landscape.pdf", snap ? printTableToPdf(out + "/month-landscape.pdf", *snap, TableKind::HourlyMonth,
                                                         PaperOrientation::Landscape)
                                       : 0);
    snap = makeTableSnapshot(*recording, TableKind::DailyYear, year, 1, "観測所");
    report("year-landscape.pdf", snap ? printTableToPdf(out + "/year-landscape.pdf", *snap, TableKind::DailyYear,
                                                        PaperOrientation::Landscape)
                                      : 0);
  }
  month_table(2019, 4);
  month_table(2019, 5);
  char name[64];
  std::snprintf(name, sizeof name, "year-%04d.pdf", year);
  auto snap = makeTableSnapshot(*recording, TableKind::DailyYear, year, 1, "観測所");
  report(name, snap ? printTableToPdf(out + "/" + name, *snap, TableKind::DailyYear, PaperOrientation::Portrait) : 0);

  // What the user sees: the settings dialog and the preview.
  struct Silent : UserMessages {
    MessageAnswer show(const std::string&, MessageIcon, MessageButtons) override { return MessageAnswer::Ok; }
  } messages;
  CTablePrintDlg dialog(messages);
  dialog.findChild<QLineEdit*>(QStringLiteral("edit1079"))->setText(QString::number(year));
  dialog.findChild<QLineEdit*>(QStringLiteral("edit1080"))->setText(QString::number(month));
  dialog.findChild<QLineEdit*>(QStringLiteral("edit1082"))->setText(QStringLiteral("観測所"));
  dialog.show();
  QApplication::processEvents();
  if (!dialog.grab().save(QString::fromStdString(out + "/table-dialog.png"))) ++failures;
  auto shown = makeTableSnapshot(*recording, TableKind::HourlyMonth, year, month, "観測所");
  QPrinter printer(QPrinter::HighResolution);
  setUpPrinter(printer);
  QPrintPreviewDialog preview(&printer);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) {
    ReportPrintJob job(nullptr);
    PrintSource source;
    source.mode = PrintMode{0, 1, 0};
    source.table = &*shown;
    runOnPrinter(job, *p, source);
  });
  preview.resize(900, 1100);
  preview.show();
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  if (!preview.grab().save(QString::fromStdString(out + "/preview.png"))) ++failures;
  std::printf("%s/table-dialog.png, %s/preview.png\n", out.c_str(), out.c_str());
  return failures == 0 ? 0 : 1;
}
