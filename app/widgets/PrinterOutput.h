#pragma once
// PrinterOutput: the printer side of printing - the one set-up every job's
// QPrinter gets, the orientation and page range read from it, and whole jobs
// into PDF files through it. Kept apart from ReportPrintJob (reports layer,
// Qt Gui only) because Qt's print support links Qt Widgets; nothing here
// creates a widget.
//
// Shared by the window and by the command-line tool so that both make the
// same pages. For example, the monthly sheet of May 2024 of a loaded
// recording:
//   auto table = makeTableSnapshot(recording, TableKind::HourlyMonth, 2024, 5, "観測所");
//   if (table) printTableToPdf("may.pdf", *table, TableKind::HourlyMonth, PaperOrientation::Portrait);
// and the chart pages of a series, shown from index f, n values:
//   series.firstShownIndex = f; series.visibleCount = n;
//   printGraphToPdf("chart.pdf", GraphPrintData{&series, true, printDataName(recording), time(nullptr)},
//                   PaperOrientation::Landscape);

#include "ReportPrintJob.h"

#include <functional>
#include <string>

class QPrinter;

PaperOrientation printerOrientation(const QPrinter& printer);
// 600 dpi, A4 unless chosen otherwise, no extra margins.
void setUpPrinter(QPrinter& printer);

// A whole job on the printer, in the printer's orientation and page range;
// what the preview calls for each of its requests. Returns the pages drawn.
int runOnPrinter(ReportPrintJob& job, QPrinter& printer, const PrintSource& source);

// A whole job into a PDF file at path, A4 in the given orientation, 600 dpi,
// written under a temporary name and renamed only when complete. Returns the
// pages written, 0 when nothing was (no file is left then).
// Any job into a PDF file at path the same way: print draws on the set-up
// printer and returns the pages it drew.
int printPdfFile(const std::string& path, PaperOrientation orientation, const std::function<int(QPrinter&)>& print);
int printGraphToPdf(const std::string& path, const GraphPrintData& data, PaperOrientation orientation);
int printTableToPdf(const std::string& path, const TableSnapshot& table, TableKind kind,
                    PaperOrientation orientation);
