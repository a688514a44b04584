#include "PrinterOutput.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>

namespace {

constexpr int kPrintResolution = 600;

int printToPdf(const std::string& path, const PrintSource& source, PaperOrientation orientation) {
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
    ReportPrintJob job(nullptr);
    pages = runOnPrinter(job, printer, source);
  }
  if (pages == 0 || (QFile::exists(target) && !QFile::remove(target)) || !QFile::rename(part, target)) {
    QFile::remove(part);
    return 0;
  }
  return pages;
}

}  // namespace

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
  source.mode = PrintMode{-1, 0, 0};
  source.graph = data;
  return printToPdf(path, source, orientation);
}

int printTableToPdf(const std::string& path, const TableSnapshot& table, TableKind kind,
                    PaperOrientation orientation) {
  PrintSource source;
  source.mode = PrintMode{-1, 1, static_cast<int>(kind)};
  source.table = &table;
  return printToPdf(path, source, orientation);
}
