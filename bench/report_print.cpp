// Printing the long sample recording to A4 PDF files, each iteration the
// whole job as the print commands run it (the table's series built from the
// recording, the pages computed, drawn and written):
//   OneMonthlyTable          the hourly table of May 2024 (one page)
//   TwelveMonthlyTables2024  the hourly tables of January to December 2024
//   YearlyTable2024          the daily table of 2024
//   ChartWithValueList       the hourly chart shown whole with its value list
//                            (about 130 pages in portrait)
//   PreviewFirstTablePage    Qt's preview dialog opened on the May 2024
//                            table until its first page is painted
// Run: bench_report_print [--benchmark_repetitions=N]
#include "PrinterOutput.h"

#include "CLogstore1App.h"
#include "FileImage.h"
#include "RecordingBuffer.h"
#include "SeriesForMode.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {

const RecordingBuffer* longRecording() {
  static std::unique_ptr<RecordingBuffer> recording = [] {
    auto image = std::make_unique<FileImage>();
    logstore::CLogstore1App store;
    if (!store.BfileToBuff(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy", image->bytes)) return std::unique_ptr<RecordingBuffer>();
    auto r = std::make_unique<RecordingBuffer>();
    copyFileImage(*image, *r);
    return r;
  }();
  return recording.get();
}

std::string outFile(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

void OneMonthlyTable(benchmark::State& state) {
  const RecordingBuffer* rec = longRecording();
  if (rec == nullptr) return state.SkipWithError("cannot load the long sample");
  for (auto _ : state) {
    auto snap = makeTableSnapshot(*rec, TableKind::HourlyMonth, 2024, 5, "観測所");
    if (printTableToPdf(outFile("bench-month.pdf"), *snap, TableKind::HourlyMonth, PaperOrientation::Portrait) != 1)
      return state.SkipWithError("no page");
  }
}

void TwelveMonthlyTables2024(benchmark::State& state) {
  const RecordingBuffer* rec = longRecording();
  if (rec == nullptr) return state.SkipWithError("cannot load the long sample");
  for (auto _ : state) {
    for (int month = 1; month <= 12; ++month) {
      auto snap = makeTableSnapshot(*rec, TableKind::HourlyMonth, 2024, month, "観測所");
      const std::string file = outFile(("bench-month-" + std::to_string(month) + ".pdf").c_str());
      if (printTableToPdf(file, *snap, TableKind::HourlyMonth, PaperOrientation::Portrait) != 1)
        return state.SkipWithError("no page");
    }
  }
}

void YearlyTable2024(benchmark::State& state) {
  const RecordingBuffer* rec = longRecording();
  if (rec == nullptr) return state.SkipWithError("cannot load the long sample");
  for (auto _ : state) {
    auto snap = makeTableSnapshot(*rec, TableKind::DailyYear, 2024, 1, "観測所");
    if (printTableToPdf(outFile("bench-year.pdf"), *snap, TableKind::DailyYear, PaperOrientation::Portrait) != 1)
      return state.SkipWithError("no page");
  }
}

void ChartWithValueList(benchmark::State& state) {
  const RecordingBuffer* rec = longRecording();
  if (rec == nullptr) return state.SkipWithError("cannot load the long sample");
  auto series = std::make_unique<DisplaySeries>();
  int pages = 0;
  for (auto _ : state) {
    std::unique_ptr<RainSeries> hourly = makeSeriesFor(IntervalMode::Hourly);
    hourly->build(*rec);
    series->setValues(hourly->values.get(), hourly->valueCount);
    series->seriesStart = hourly->startTime;
    series->intervalMode = IntervalMode::Hourly;
    series->verticalMax = 100;
    series->firstShownIndex = 0;
    series->visibleCount = series->valueCount;
    GraphPrintData data{series.get(), true, printDataName(*rec), std::time(nullptr)};
    pages = printGraphToPdf(outFile("bench-chart.pdf"), data, PaperOrientation::Portrait);
    if (pages == 0) return state.SkipWithError("no page");
  }
  state.counters["pages"] = pages;
}

void PreviewFirstTablePage(benchmark::State& state) {
  const RecordingBuffer* rec = longRecording();
  if (rec == nullptr) return state.SkipWithError("cannot load the long sample");
  for (auto _ : state) {
    auto snap = makeTableSnapshot(*rec, TableKind::HourlyMonth, 2024, 5, "観測所");
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    PrintSource source;
    source.mode = PrintMode{0, 1, 0};
    source.table = &*snap;
    QPrintPreviewDialog dialog(&printer);
    int requests = 0;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* p) {
      ReportPrintJob job(nullptr);
      runOnPrinter(job, *p, source);
      ++requests;
    });
    dialog.resize(900, 1000);
    dialog.show();
    // The first paint of the preview widget renders the page it shows.
    QPrintPreviewWidget* preview = dialog.findChild<QPrintPreviewWidget*>();
    while (requests == 0) QApplication::processEvents();
    if (preview != nullptr) preview->grab();
    dialog.close();
    if (preview == nullptr || preview->pageCount() != 1) return state.SkipWithError("no preview page");
  }
}

}  // namespace

BENCHMARK(OneMonthlyTable)->Unit(benchmark::kMillisecond);
BENCHMARK(TwelveMonthlyTables2024)->Unit(benchmark::kMillisecond);
BENCHMARK(YearlyTable2024)->Unit(benchmark::kMillisecond);
BENCHMARK(ChartWithValueList)->Unit(benchmark::kMillisecond);
BENCHMARK(PreviewFirstTablePage)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
