#include "PrinterOutput.h"

#include <QPageLayout>
#include <QPrinter>

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
