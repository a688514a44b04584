#pragma once
// PdfFileOutput: whole jobs into PDF files - A4 in the given orientation,
// 600 dpi, no extra margins, the same page a set-up printer gives - written
// under a temporary name and renamed only when complete. Qt Gui only (a PDF
// writer, no printer), so that the command-line tool's drawing program and
// the window make the same files without loading the print support.
//
// For example, the monthly sheet of May 2024 of a loaded recording:
//   auto table = makeTableSnapshot(recording, TableKind::HourlyMonth, 2024, 5, "観測所");
//   if (table) printTableToPdf("may.pdf", *table, TableKind::HourlyMonth, PaperOrientation::Portrait);
// and the chart pages of a series, shown from index f, n values:
//   series.firstShownIndex = f; series.visibleCount = n;
//   printGraphToPdf("chart.pdf", GraphPrintData{&series, true, printDataName(recording), time(nullptr)},
//                   PaperOrientation::Landscape);

#include "ReportPrintJob.h"

#include <functional>
#include <string>

class QPagedPaintDevice;

// Dots per inch of every printed page, on paper and in PDF files.
constexpr int kPrintResolution = 600;

// Any job into a PDF file at path: print draws on the set-up device and
// returns the pages it drew. Returns the pages written, 0 when nothing was
// (no file is left then, and an existing file at path is kept).
int printPdfFile(const std::string& path, PaperOrientation orientation,
                 const std::function<int(QPagedPaintDevice&)>& print);
int printGraphToPdf(const std::string& path, const GraphPrintData& data, PaperOrientation orientation);
int printTableToPdf(const std::string& path, const TableSnapshot& table, TableKind kind,
                    PaperOrientation orientation);
