#pragma once
// PrinterOutput: the printer side of printing - the one set-up every job's
// QPrinter gets and the orientation and page range read from it. Kept apart
// from ReportPrintJob (reports layer, Qt Gui only) because Qt's print
// support links Qt Widgets; nothing here creates a widget. Jobs into PDF
// files go through PdfFileOutput, which makes the same pages without a
// printer.

#include "PdfFileOutput.h"
#include "ReportPrintJob.h"

class QPrinter;

PaperOrientation printerOrientation(const QPrinter& printer);
// 600 dpi, A4 unless chosen otherwise, no extra margins.
void setUpPrinter(QPrinter& printer);

// A whole job on the printer, in the printer's orientation and page range;
// what the preview calls for each of its requests. Returns the pages drawn.
int runOnPrinter(ReportPrintJob& job, QPrinter& printer, const PrintSource& source);
