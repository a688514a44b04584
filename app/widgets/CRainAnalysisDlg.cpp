#include "CRainAnalysisDlg.h"

#include "AnalysisPrintJob.h"
#include "AnalysisTableModel.h"
#include "DialogButton.h"
#include "PrinterOutput.h"
#include "ReportPrintJob.h"
#include "UserMessages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QTableView* tableView(AnalysisTableModel* model, const char* name, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName(QLatin1String(name));
  view->setModel(model);
  view->setSortingEnabled(true);
  view->sortByColumn(-1, Qt::AscendingOrder);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setTabKeyNavigation(false);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  return view;
}

std::string defaultCsvChooser(QWidget* parent, const std::string& suggested) {
  QFileDialog dialog(parent, QString::fromUtf8("CSVﾌｧｲﾙ名の指定"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  dialog.setNameFilters({QString::fromUtf8("CSVﾌｧｲﾙ (*.csv)"), QString::fromUtf8("すべてのﾌｧｲﾙ (*.*)")});
  dialog.selectFile(QString::fromStdString(suggested));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

struct FieldLabel {
  AnalysisField field;
  const char* label;
  const char* name;
};
constexpr FieldLabel kFieldLabels[] = {
    {AnalysisField::Gap, "無降雨間隔(分)(&G):", "analysisGap"},
    {AnalysisField::MinDepth, "最小総雨量(mm)(&D):", "analysisMinDepth"},
    {AnalysisField::HalfLifeShort, "実効雨量の半減期 短(時間)(&1):", "analysisHalfLifeShort"},
    {AnalysisField::HalfLifeLong, "実効雨量の半減期 長(時間)(&2):", "analysisHalfLifeLong"},
    {AnalysisField::AlarmContinuous, "連続雨量基準(mm)(&C):", "analysisAlarmContinuous"},
    {AnalysisField::AlarmHourly, "時間雨量基準(mm)(&H):", "analysisAlarmHourly"},
    {AnalysisField::CombinedContinuous, "複合基準 連続雨量(mm)(&B):", "analysisCombinedContinuous"},
    {AnalysisField::CombinedHourly, "複合基準 時間雨量(mm)(&N):", "analysisCombinedHourly"},
};

}  // namespace

CRainAnalysisDlg::CRainAnalysisDlg(UserMessages& messages, Hooks hooks, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_hooks(std::move(hooks)) {
  setObjectName(QStringLiteral("rainAnalysisDlg"));
  setWindowTitle(QString::fromUtf8("降雨解析"));
  setModal(false);
  if (!m_hooks.chooseCsvFile) m_hooks.chooseCsvFile = defaultCsvChooser;
  if (!m_hooks.askPrint)
    m_hooks.askPrint = [this](QPrinter& printer) {
      QPrintDialog dialog(&printer, this);
      return dialog.exec() == QDialog::Accepted;
    };

  m_tabs = new QTabWidget(this);
  m_tabs->setObjectName(QStringLiteral("analysisTabs"));

  m_eventModel = new AnalysisTableModel(this);
  m_eventView = tableView(m_eventModel, "analysisEvents", m_tabs);
  connect(m_eventView, &QTableView::activated, this, [this](const QModelIndex& index) { zoomToRow(index.row()); });
  m_tabs->addTab(m_eventView, QString::fromUtf8("降雨ｲﾍﾞﾝﾄ(&E)"));

  auto* maximaPage = new QWidget(m_tabs);
  m_maximaModel = new AnalysisTableModel(this);
  m_maximaView = tableView(m_maximaModel, "analysisMaxima", maximaPage);
  m_monthly = new QCheckBox(QString::fromUtf8("月別も表示(&O)"), maximaPage);
  m_monthly->setObjectName(QStringLiteral("analysisMonthly"));
  connect(m_monthly, &QCheckBox::toggled, this, [this] { applySettings(); });
  auto* maximaLayout = new QVBoxLayout(maximaPage);
  maximaLayout->addWidget(m_monthly);
  maximaLayout->addWidget(m_maximaView, 1);
  m_tabs->addTab(maximaPage, QString::fromUtf8("期間最大雨量(&M)"));

  auto* settingsPage = new QWidget(m_tabs);
  auto* form = new QFormLayout;
  for (const FieldLabel& f : kFieldLabels) {
    auto* edit = new QLineEdit(settingsPage);
    edit->setObjectName(QLatin1String(f.name));
    auto* label = new QLabel(QString::fromUtf8(f.label), settingsPage);
    label->setBuddy(edit);
    form->addRow(label, edit);
    m_fields[static_cast<size_t>(f.field)] = edit;
    connect(edit, &QLineEdit::returnPressed, this, [this] { applySettings(); });
  }
  auto* apply = dialogButton("再計算(&R)", "analysisApply", settingsPage);
  connect(apply, &QPushButton::clicked, this, [this] { applySettings(); });
  auto* note = new QLabel(QString::fromUtf8("空欄の基準は使いません。設定は次回も使われます。"), settingsPage);
  auto* settingsLayout = new QVBoxLayout(settingsPage);
  settingsLayout->addLayout(form);
  settingsLayout->addWidget(note);
  settingsLayout->addWidget(apply, 0, Qt::AlignLeft);
  settingsLayout->addStretch();
  m_tabs->addTab(settingsPage, QString::fromUtf8("設定(&S)"));
  connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == 0) m_shownTable = AnalysisTab::Events;
    if (index == 1) m_shownTable = AnalysisTab::Maxima;
  });

  auto* csv = dialogButton("CSV保存(&V)...", "analysisCsv", this);
  auto* printButton = dialogButton("印刷(&P)...", "analysisPrint", this);
  auto* close = dialogButton("閉じる", "analysisClose", this);
  connect(csv, &QPushButton::clicked, this, [this] { saveCsv(); });
  connect(printButton, &QPushButton::clicked, this, [this] { print(); });
  connect(close, &QPushButton::clicked, this, &CRainAnalysisDlg::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(csv);
  buttons->addWidget(printButton);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs, 1);
  layout->addLayout(buttons);

  // Reading order: the tabs and their pages, then the buttons.
  QWidget* previous = m_monthly;
  setTabOrder(m_monthly, m_maximaView);
  previous = m_maximaView;
  for (QLineEdit* edit : m_fields) {
    setTabOrder(previous, edit);
    previous = edit;
  }
  setTabOrder(previous, apply);
  setTabOrder(csv, printButton);
  setTabOrder(printButton, close);

  const RainAnalysisSettings settings = storedSettings();
  showSettings(settings);
  m_results.apply(settings);
  resize(1100, 560);
}

CRainAnalysisDlg::~CRainAnalysisDlg() = default;

RainAnalysisSettings CRainAnalysisDlg::storedSettings() {
  QSettings s;
  s.beginGroup(QString::fromLatin1(kAnalysisSettingsGroup));
  AnalysisFieldTexts texts = analysisFieldTexts(RainAnalysisSettings{});
  const auto& keys = analysisSettingsKeys();
  for (size_t i = 0; i < keys.size(); ++i) {
    const QVariant v = s.value(QString::fromLatin1(keys[i]));
    if (v.isValid()) texts[i] = v.toString().toStdString();
  }
  const bool monthly = s.value(QString::fromLatin1(kAnalysisMonthlyKey), false).toBool();
  // A value edited by hand into something the window would refuse: the
  // defaults, rather than a window that cannot start.
  const AnalysisSettingsCheck check = checkAnalysisSettings(texts, monthly);
  return check.settings.value_or(RainAnalysisSettings{});
}

namespace {
uint64_t g_settingsRevision = 0;  // the UI thread's only
}  // namespace

uint64_t CRainAnalysisDlg::settingsRevision() { return g_settingsRevision; }

void CRainAnalysisDlg::storeSettings(const RainAnalysisSettings& settings) {
  ++g_settingsRevision;
  QSettings s;
  s.beginGroup(QString::fromLatin1(kAnalysisSettingsGroup));
  const AnalysisFieldTexts texts = analysisFieldTexts(settings);
  const auto& keys = analysisSettingsKeys();
  for (size_t i = 0; i < keys.size(); ++i) s.setValue(QString::fromLatin1(keys[i]), QString::fromStdString(texts[i]));
  s.setValue(QString::fromLatin1(kAnalysisMonthlyKey), settings.monthlyMaxima);
}

void CRainAnalysisDlg::showSettings(const RainAnalysisSettings& settings) {
  const AnalysisFieldTexts texts = analysisFieldTexts(settings);
  for (size_t i = 0; i < texts.size(); ++i) m_fields[i]->setText(QString::fromStdString(texts[i]));
  const QSignalBlocker quiet(m_monthly);
  m_monthly->setChecked(settings.monthlyMaxima);
}

bool CRainAnalysisDlg::showRecording(const RecordingBuffer* recording, const std::string& dataName) {
  m_dataName = dataName;
  bool ok = true;
  if (recording == nullptr) {
    m_results.clear();
  } else if (!m_results.load(*recording, m_results.settings())) {
    m_messages.show("ﾃﾞｰﾀ構造の変換に失敗しました。解析できません。", MessageIcon::Error, MessageButtons::Ok);
    ok = false;
  }
  refreshTables();
  return ok;
}

bool CRainAnalysisDlg::applySettings() {
  AnalysisFieldTexts texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = m_fields[i]->text().trimmed().toStdString();
  const AnalysisSettingsCheck check = checkAnalysisSettings(texts, m_monthly->isChecked());
  if (!check.settings) {
    QLineEdit* bad = m_fields[static_cast<size_t>(check.field)];
    m_tabs->setCurrentIndex(2);
    m_messages.show(check.message, MessageIcon::Exclamation, MessageButtons::Ok);
    bad->setFocus();
    bad->selectAll();
    return false;
  }
  storeSettings(*check.settings);
  m_results.apply(*check.settings);
  refreshTables();
  return true;
}

void CRainAnalysisDlg::refreshTables() {
  m_eventModel->setTable(m_results.table(AnalysisTab::Events));
  m_maximaModel->setTable(m_results.table(AnalysisTab::Maxima));
  m_eventView->resizeColumnsToContents();
  m_maximaView->resizeColumnsToContents();
}

bool CRainAnalysisDlg::saveCsv() {
  if (!m_results.loaded()) return false;
  const AnalysisTab tab = m_shownTable;
  const std::string suggested = tab == AnalysisTab::Events ? "events.csv" : "maxima.csv";
  const std::string path = m_hooks.chooseCsvFile(this, suggested);
  if (path.empty()) return false;
  const std::string bytes = m_results.csv(tab);
  // Written beside and renamed when complete: an existing file stays whole
  // until the new one is.
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    file.cancelWriting();
    m_messages.show("ﾌｧｲﾙを書き込めませんでした。\n" + path, MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
  }
  return true;
}

RainAnalysisPrint CRainAnalysisDlg::printData() const {
  return {m_dataName, m_results.settings(), m_results.table(AnalysisTab::Events),
          m_results.table(AnalysisTab::Maxima)};
}

int CRainAnalysisDlg::print() {
  if (!m_results.loaded()) return 0;
  if (!m_printer) {
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    setUpPrinter(*m_printer);
    m_printer->setPageOrientation(QPageLayout::Landscape);
  }
  if (!m_hooks.askPrint(*m_printer)) return 0;
  return printRainAnalysis(*m_printer, printerOrientation(*m_printer), printData(), m_printer->fromPage(),
                           m_printer->toPage());
}

void CRainAnalysisDlg::zoomToRow(int viewRow) {
  const int row = m_eventModel->tableRow(viewRow);
  if (row < 0 || static_cast<size_t>(row) >= m_results.events().size() || !m_hooks.zoomToEvent) return;
  m_hooks.zoomToEvent(m_results.events()[static_cast<size_t>(row)]);
}

void CRainAnalysisDlg::reject() {
  if (m_hooks.closeRequested) m_hooks.closeRequested();
}

void CRainAnalysisDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}
