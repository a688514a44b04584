#include "CPrintCommands.h"

#include "CHyetoscopeDoc.h"
#include "CTablePrintDlg.h"
#include "CommandIds.h"
#include "PrinterOutput.h"
#include "TablePrintFlow.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include <ctime>

CPrintCommands::CPrintCommands(CHyetoscopeDoc& doc, RecordingState& state, RememberedSpans& windows,
                               UserMessages& messages, QWidget* parent)
    : m_doc(doc), m_state(state), m_windows(windows), m_messages(messages), m_parent(parent) {
  m_dialogs = defaultDialogs();
  m_clock = [] { return static_cast<int64_t>(std::time(nullptr)); };
}

CPrintCommands::~CPrintCommands() = default;

QPrinter& CPrintCommands::printer() {
  if (!m_printer) {
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    setUpPrinter(*m_printer);
  }
  return *m_printer;
}

CPrintCommands::Dialogs CPrintCommands::defaultDialogs() {
  Dialogs d;
  d.askTable = [this]() -> std::optional<TableRequest> {
    CTablePrintDlg dialog(m_messages, m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.request();
  };
  d.askPrint = [this](QPrinter& printer) {
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
  };
  d.preview = [this](QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* p) { paint(*p); });
    dialog.exec();
  };
  d.pageSetup = [this](QPrinter& printer) {
    QPageSetupDialog dialog(&printer, m_parent);
    dialog.exec();
  };
  return d;
}

bool CPrintCommands::onCommand(int id) {
  switch (id) {
    case cmd::PrintGraph: printGraph(-1); return true;
    case cmd::GraphPreview: printGraph(1); return true;
    case cmd::PrintTables: tableCommand(-1); return true;
    case cmd::TablePreview: tableCommand(0); return true;
    case cmd::PrinterSetup: m_dialogs.pageSetup(printer()); return true;
    case cmd::FilePrint: printCurrent(); return true;
    default: return false;
  }
}

PrintSource CPrintCommands::source() const {
  PrintSource s;
  s.mode = printModeOf(m_doc);
  s.graph.series = &m_doc.series();
  s.graph.loaded = m_doc.loadedFlag;
  s.graph.dataName = printDataName(m_doc.recording());
  s.graph.printTime = m_clock();
  if (m_overlay) s.graph.overlay = m_overlay();
  s.table = &m_snapshot;
  return s;
}

int CPrintCommands::runJob(QPrinter& printer) {
  // Every job is drawn at the same resolution, whatever a dialog chose.
  printer.setResolution(600);
  ReportPrintJob job(&m_state);
  return runOnPrinter(job, printer, source());
}

void CPrintCommands::printCurrent() {
  if (m_dialogs.askPrint(printer())) runJob(printer());
}

void CPrintCommands::previewCurrent() {
  m_dialogs.preview(printer(), [this](QPrinter& p) { runJob(p); });
}

void CPrintCommands::printGraph(int printKind) {
  setGraphPrintMode(m_doc, printKind);
  if (printKind == 1)
    previewCurrent();
  else
    printCurrent();
}

void CPrintCommands::tableCommand(int printKind) {
  const std::optional<TableRequest> request = m_dialogs.askTable();
  if (!request) return;
  prepareTableJob(m_doc, m_state, m_windows, m_chartNavigation, *request, printKind, m_snapshot);
  if (printKind == 0)
    previewCurrent();
  else
    printCurrent();
}
