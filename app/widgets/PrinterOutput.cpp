#include "PrinterOutput.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>

namespace {

constexpr int kPrintResolution = 600;

int printToPdf(const std::string& path, const PrintSource& source, PaperOrientation orientation) {
  return printPdfFile(path, orientation, [&source](QPrinter& printer) {
    ReportPrintJob job(nullptr);
    return runOnPrinter(job, printer, source);
  });
}

}  // namespace

int printPdfFile(const std::string& path, PaperOrientation orientation, const std::function<int(QPrinter&)>& print) {
  const QString target = QString::fromStdString(path);
  const QString part = target + QStringLiteral(".part");
  int pages = 0;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation == PaperOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    setUpPrinter(printer);
    pages = print(printer);
  }
  if (pages == 0 || (QFile::exists(target) && !QFile::remove(target)) || !QFile::rename(part, target)) {
    QFile::remove(part);
    return 0;
  }
  return pages;
}

PaperOrientation printerOrientation(const QPrinter& printer) {
  return printer.pageLayout().orientation() == QPageLayout::Landscape ? PaperOrientation::Landscape
                                                                       : PaperOrientation::Portrait;
}

void setUpPrinter(QPrinter& printer) {
  printer.setResolution(kPrintResolution);
  printer.setFullPage(false);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

int runOnPrinter(ReportPrintJob& job, QPrinter& printer, const PrintSource& source) {
  return job.run(printer, printerOrientation(printer), source, printer.fromPage(), printer.toPage());
}

int printGraphToPdf(const std::string& path, const GraphPrintData& data, PaperOrientation orientation) {
  PrintSource source;
  source.mode = PrintMode{-1, false, 0};
  source.graph = data;
  return printToPdf(path, source, orientation);
}

int printTableToPdf(const std::string& path, const TableSnapshot& table, TableKind kind,
                    PaperOrientation orientation) {
  PrintSource source;
  source.mode = PrintMode{-1, true, static_cast<int>(kind)};
  source.table = &table;
  return printToPdf(path, source, orientation);
}
