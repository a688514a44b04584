#include "CHyetoscopeView.h"

#include "CDataListDlg.h"
#include "CHyetoscopeDoc.h"
#include "CRangeSaveDlg.h"
#include "CRecordConditionDlg.h"
#include "CTextSaveDlg.h"
#include "RangeSave.h"
#include "CommandIds.h"
#include "GraphPlotCtrl.h"
#include "RecordingState.h"
#include "ViewTexts.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QStringDecoder>
#include <QTreeWidget>

#include <cstring>

namespace {
QRect toQRect(const ViewRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

QLineEdit* readOnlyField(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  edit->setFrame(false);
  return edit;
}

// Data names are stored as Shift-JIS bytes; they become text only here.
QString dataNameText(const char (&name)[32]) {
  const size_t length = strnlen(name, sizeof name);
  QStringDecoder decoder("Shift_JIS");
  if (!decoder.isValid()) return QString::fromLocal8Bit(name, static_cast<qsizetype>(length));
  return decoder.decode(QByteArrayView(name, static_cast<qsizetype>(length)));
}

IntervalMode modeOfCommand(int id) {
  switch (id) {
    case cmd::IntervalDaily: return IntervalMode::Daily;
    case cmd::IntervalTenMinute: return IntervalMode::TenMinute;
    case cmd::IntervalMonthly: return IntervalMode::Monthly;
    default: return IntervalMode::Hourly;
  }
}
}  // namespace

CHyetoscopeView::CHyetoscopeView(CHyetoscopeDoc& doc, RecordingState& state, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_state(state) {
  setObjectName(QStringLiteral("hyetoscopeView"));
  setAutoFillBackground(true);
  m_scrollBar = new QScrollBar(Qt::Horizontal, this);
  m_scrollBar->setObjectName(QStringLiteral("scrollBar1001"));
  m_scrollBar->setRange(0, 0);
  m_scrollBar->setEnabled(false);
  m_hiddenEdit = readOnlyField(this, "edit1003");
  m_statsList = new QTreeWidget(this);
  m_statsList->setObjectName(QStringLiteral("statsList1048"));
  m_statsList->setRootIsDecorated(false);
  m_statsList->setSortingEnabled(false);
  m_statsList->header()->setSectionsClickable(false);
  // Every column keeps the width it was given or stored; none takes the rest.
  m_statsList->header()->setStretchLastSection(false);
  m_statsList->setColumnCount(kStatsColumns);
  m_intervalField = readOnlyField(this, "edit1075");
  m_sampleField = readOnlyField(this, "edit1076");
  m_unitField = readOnlyField(this, "edit1094");
  m_doc.setViews(this);
}

CHyetoscopeView::~CHyetoscopeView() {
  storeColumnWidths();
  m_doc.setViews(nullptr);
}

void CHyetoscopeView::onInitialUpdate() {
  m_chart = new GraphPlotCtrl(this);
  m_chart->setObjectName(QStringLiteral("graphPlotCtrl"));
  m_chart->setGeometry(0, 0, 1, 1);
  m_chart->show();
  layoutStep();
  displayReset();
  if (m_doc.openedByDocument == 1) {
    headerRefresh();
  }
  if (m_stateChanged) m_stateChanged();
}

bool CHyetoscopeView::onCommand(int id) {
  switch (id) {
    case cmd::OpenRecording: m_doc.onOpenRecording(); return true;
    case cmd::CloseRecording: m_doc.onCloseRecording(); return true;
    case cmd::DataList: dataListCommand(); return true;
    case cmd::SaveRangeHyy: rangeSaveCommand(); return true;
    case cmd::RecordConditions:
      m_doc.onRecordConditions([this](const RecordConditionTexts& current) -> std::optional<RecordConditionChange> {
        CRecordConditionDlg dialog(current, m_doc.messages(), this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.change();
      });
      return true;
    case cmd::OverwriteSave: m_doc.onOverwriteSave(); return true;
    case cmd::SaveText:
    case cmd::SaveAsText: textExportCommand(); return true;
    case cmd::IntervalTenMinute:
    case cmd::IntervalHourly:
    case cmd::IntervalDaily:
    case cmd::IntervalMonthly: intervalCommand(modeOfCommand(id)); return true;
    default: return false;
  }
}

GraphWindow CHyetoscopeView::graphWindow() const {
  const DisplaySeries& s = m_doc.series();
  return {m_doc.intervalMode, s.firstShownIndex, s.visibleCount, s.valueCount, s.seriesStart};
}

void CHyetoscopeView::rangeSaveCommand() {
  CRangeSaveDlg dialog(m_doc.recording(), graphWindow(), m_doc.messages(), this);
  if (dialog.exec() == QDialog::Accepted) saveRange(dialog.recording(), dialog.span(), m_doc.messages());
  updateAllViews();
}

void CHyetoscopeView::textExportCommand() {
  const GraphWindow graph = graphWindow();
  CTextSaveDlg dialog(m_doc.recording(), graph, m_doc.messages(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  runTextExport(m_doc.recording(), dialog.request(), m_doc.messages(), m_textFileChooser, this);
}

void CHyetoscopeView::dataListCommand() {
  // An open list keeps what it shows.
  if (m_dataList) return;
  CDataListDlg::Hooks hooks;
  hooks.firstShownIndex = [this] { return m_state.firstShownIndexMirror; };
  hooks.closeRequested = [this] { postCloseDataList(); };
  m_dataList = new CDataListDlg(m_doc.messages(), std::move(hooks), this);
  m_dataList->setGraphMode(m_doc.intervalMode);
  m_doc.dataListOpen = 1;
  m_dataList->show();
  m_dataList->initialise(m_doc.recording(), m_state.dataModified == 1, m_state.pendingStartTime,
                         listIntervalOf(m_doc.intervalMode));
  if (m_stateChanged) m_stateChanged();
}

void CHyetoscopeView::intervalCommand(IntervalMode mode) {
  // The list follows the graph's interval.
  if (m_dataList) m_dataList->postIntervalButton(mode);
  if (m_windows.switchTo(m_doc, m_state, mode)) headerRefresh();
  updateAllViews();
}

void CHyetoscopeView::layoutStep() {
  m_layout = computeViewLayout(width(), height());
  if (m_chart) m_chart->setGeometry(toQRect(m_layout.chartWidget));
  m_scrollBar->setGeometry(toQRect(m_layout.scrollBar));
  m_hiddenEdit->hide();
  m_statsList->setGeometry(toQRect(m_layout.statsList));
  m_intervalField->setGeometry(toQRect(m_layout.intervalField));
  m_sampleField->setGeometry(toQRect(m_layout.sampleField));
  m_unitField->setGeometry(toQRect(m_layout.unitField));
  if (m_listInitialised == 0) {
    setUpColumns();
    setStatsCell(3, QString::fromUtf8(kPlaceholder));
    setStatsCell(4, QString::fromUtf8(kPlaceholder));
    update();
  }
}

void CHyetoscopeView::setUpColumns() {
  QSettings settings;
  settings.beginGroup(QStringLiteral("GraphWindow"));
  QStringList headers;
  for (const StatsColumn& c : statsColumns()) headers << QString::fromUtf8(c.header);
  m_statsList->setHeaderLabels(headers);
  for (int i = 0; i < kStatsColumns; ++i) {
    const int width = settings
                          .value(QString::fromLatin1(statsColumns()[static_cast<size_t>(i)].profileName),
                                 defaultStatsColumnWidth(i, this->width()))
                          .toInt();
    m_statsList->setColumnWidth(i, width);
    m_statsList->headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
  }
  auto* row = new QTreeWidgetItem(m_statsList, QStringList(QStringLiteral(" ")));
  for (int i = 0; i < kStatsColumns; ++i) row->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
  m_listInitialised = 1;
}

void CHyetoscopeView::storeColumnWidths() {
  if (m_listInitialised == 0) return;
  QSettings settings;
  settings.beginGroup(QStringLiteral("GraphWindow"));
  for (int i = kStatsColumns - 1; i >= 0; --i)
    settings.setValue(QString::fromLatin1(statsColumns()[static_cast<size_t>(i)].profileName),
                      m_statsList->columnWidth(i));
}

void CHyetoscopeView::setStatsCell(int column, const QString& text) {
  if (QTreeWidgetItem* row = m_statsList->topLevelItem(0)) row->setText(column, text);
}

void CHyetoscopeView::displayReset() {
  m_intervalField->clear();
  m_sampleField->clear();
  m_unitField->clear();
  for (int i = 0; i < kStatsColumns; ++i) setStatsCell(i, QString::fromUtf8(kPlaceholder));
  repaint();
}

void CHyetoscopeView::headerRefresh() {
  updateAllViews();
  const HeaderTexts texts = headerTexts(m_doc.intervalMode, m_doc.series().valueCount);
  if (m_doc.recording().dataName[0] != '\0') setStatsCell(0, dataNameText(m_doc.recording().dataName));
  m_unitField->setText(QString::fromStdString(texts.unit));
  m_intervalField->setText(QString::fromStdString(texts.interval));
  m_sampleField->setText(QString::fromStdString(texts.sample));
  for (int i = 1; i < kStatsColumns; ++i) setStatsCell(i, QString::fromUtf8(kPlaceholder));
}

void CHyetoscopeView::updateAllViews() {
  if (m_chart) {
    layoutStep();
    update();
  }
  if (m_stateChanged) m_stateChanged();
}

void CHyetoscopeView::postIntervalCommand(IntervalMode mode) {
  QMetaObject::invokeMethod(this, [this, mode] { intervalCommand(mode); }, Qt::QueuedConnection);
}

void CHyetoscopeView::clearRememberedWindows() { m_windows.clearAll(); }

void CHyetoscopeView::resetWindowAndHistory() {
  DisplaySeries& s = m_doc.series();
  s.firstShownIndex = 0;
  s.visibleCount = s.valueCount;
  m_state.firstShownIndexMirror = 0;
}

void CHyetoscopeView::showData() {
  layoutStep();
  headerRefresh();
  // Band zooming is switched on here once the zoom commands exist to apply
  // a band; until then a drag would promise a zoom that never comes.
}

void CHyetoscopeView::rememberInitialWindow() {
  m_initialWindow = {m_doc.series().visibleCount, m_doc.series().firstShownIndex};
}

void CHyetoscopeView::showNoData() {
  displayReset();
  if (m_chart) m_chart->setBandEnabled(0);
}

void CHyetoscopeView::postCloseDataList() {
  QMetaObject::invokeMethod(this, [this] { closeDataList(); }, Qt::QueuedConnection);
}

void CHyetoscopeView::closeDataList() {
  if (CDataListDlg* list = m_dataList.data()) {
    m_dataList.clear();
    list->hide();
    list->deleteLater();
  }
  m_doc.dataListOpen = 0;
  if (m_stateChanged) m_stateChanged();
}

void CHyetoscopeView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (m_chart) layoutStep();
}

void CHyetoscopeView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool loaded = m_doc.loadedFlag == 1;
  if (m_chart) {
    // Cursors not yet placed sit at the plot's left edge.
    m_chart->setCursorX(m_layout.plot.left, m_layout.plot.left);
    m_chart->paintOnScreen(p, toQRect(m_layout.chartWidget), loaded, m_doc.series());
  }
  const ViewRect& strip = m_layout.cursorStrip;
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(strip.left, strip.top, strip.width() - 1, strip.height() - 1);
  if (m_chart) {
    p.drawImage(QPoint(m_layout.leftArrow.left, m_layout.leftArrow.top), m_chart->bitmap(GraphPlotCtrl::kLeftArrow));
    p.drawImage(QPoint(m_layout.rightArrow.left, m_layout.rightArrow.top),
                m_chart->bitmap(GraphPlotCtrl::kRightArrow));
    // B first: A is on top until the user drags B.
    const ViewRect b = cursorHandleRect(m_chart->cursorBX(), m_layout.plot.left, m_layout.plot.right, strip.top);
    const ViewRect a = cursorHandleRect(m_chart->cursorAX(), m_layout.plot.left, m_layout.plot.right, strip.top);
    p.drawImage(QPoint(b.left, b.top), m_chart->bitmap(GraphPlotCtrl::kHandleB));
    p.drawImage(QPoint(a.left, a.top), m_chart->bitmap(GraphPlotCtrl::kHandleA));
  }
  p.end();
  if (!m_firstPaintDone && m_chart) {
    m_firstPaintDone = true;
    if (m_firstPaint) m_firstPaint();
  }
}
