#include "PdfFileOutput.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>

#include <cstdio>

namespace {

int printToPdf(const std::string& path, const PrintSource& source, PaperOrientation orientation) {
  return printPdfFile(path, orientation, [&source, orientation](QPagedPaintDevice& device) {
    ReportPrintJob job(nullptr);
    return job.run(device, orientation, source);
  });
}

}  // namespace

int printPdfFile(const std::string& path, PaperOrientation orientation,
                 const std::function<int(QPagedPaintDevice&)>& print) {
  const QString target = QString::fromStdString(path);
  const QString part = target + QStringLiteral(".part");
  int pages = 0;
  {
    QPdfWriter pdf(part);
    pdf.setResolution(kPrintResolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                  orientation == PaperOrientation::Landscape ? QPageLayout::Landscape
                                                                             : QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    pages = print(pdf);
  }
  // rename() puts the whole file in the place of an older one in one step.
  if (pages == 0 || std::rename(part.toLocal8Bit().constData(), target.toLocal8Bit().constData()) != 0) {
    QFile::remove(part);
    return 0;
  }
  return pages;
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
