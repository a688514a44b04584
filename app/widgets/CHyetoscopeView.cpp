#include "CHyetoscopeView.h"

#include "CDataListDlg.h"
#include "CHorizontalScaleDlg.h"
#include "CHyetoscopeDoc.h"
#include "CPrintCommands.h"
#include "CRangeSaveDlg.h"
#include "CRecordConditionDlg.h"
#include "CTextSaveDlg.h"
#include "CVerticalScaleDlg.h"
#include "ClippedControlStyle.h"
#include "RangeSave.h"
#include "CommandIds.h"
#include "CursorStatistics.h"
#include "ChartPainter.h"
#include "ChartRenderer.h"
#include "DrawingSurfaceQt.h"
#include "GraphPlotCtrl.h"
#include "RecordingState.h"
#include "ShiftJis.h"
#include "StatisticsList.h"
#include "ViewTexts.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

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

// Data names are stored as Shift-JIS bytes; the screen decodes them with the
// same decoder as the printed pages, so both always show the same name.
QString dataNameText(const char (&name)[32]) { return QString::fromStdString(decodeShiftJisField(name, sizeof name)); }

ScrollCode scrollCodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return ScrollCode::LineLeft;
    case QAbstractSlider::SliderSingleStepAdd: return ScrollCode::LineRight;
    case QAbstractSlider::SliderPageStepSub: return ScrollCode::PageLeft;
    case QAbstractSlider::SliderPageStepAdd: return ScrollCode::PageRight;
    case QAbstractSlider::SliderMove: return ScrollCode::ThumbTrack;
    default: return ScrollCode::Other;
  }
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
    : QWidget(parent), m_doc(doc), m_state(state), m_chartNavigation(doc, state, m_windows) {
  setObjectName(QStringLiteral("hyetoscopeView"));
  setAutoFillBackground(true);
  // Every paint copies the background with the chart from the picture.
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_scrollBar = new QScrollBar(Qt::Horizontal, this);
  m_scrollBar->setObjectName(QStringLiteral("scrollBar1001"));
  ClippedControlStyle::install(*m_scrollBar);
  m_scrollBar->setRange(0, 0);
  m_scrollBar->setEnabled(false);
  // Only the user's actions move the window; the bar is then set from it.
  connect(m_scrollBar, &QScrollBar::actionTriggered, this, &CHyetoscopeView::scrollAction);
  m_hiddenEdit = readOnlyField(this, "edit1003");
  m_statsList = new StatisticsList(this);
  m_intervalField = readOnlyField(this, "edit1075");
  m_sampleField = readOnlyField(this, "edit1076");
  m_unitField = readOnlyField(this, "edit1094");
  m_doc.setViews(this);
}

CHyetoscopeView::~CHyetoscopeView() {
  storeColumnWidths();
  m_doc.setViews(nullptr);
}

void CHyetoscopeView::setUserMessages(UserMessages& messages) {
  m_printing = std::make_unique<CPrintCommands>(m_doc, m_state, m_windows, messages, this);
  m_printing->setChartNavigation(&m_chartNavigation);
  m_printing->setOverlaySource([this] { return m_overlay.curves(m_doc); });
}

void CHyetoscopeView::onInitialUpdate() {
  m_chart = new GraphPlotCtrl(this);
  m_chart->setObjectName(QStringLiteral("graphPlotCtrl"));
  m_chart->setGeometry(0, 0, 1, 1);
  m_chart->show();
  m_chart->setBarPitchSource([this] { return m_barPitch; });
  connect(m_chart, &GraphPlotCtrl::bandFinished, this,
          [this] { m_chartNavigation.setBand(m_chart->bandWidthBars(), m_chart->bandOffsetBars()); });
  layoutStep();
  displayReset();
  if (m_doc.openedByDocument) {
    headerRefresh();
    m_chartNavigation.startHistory();
    m_chart->setBandEnabled(true);
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
    case cmd::ChartOverlay:
      m_overlay.toggle();
      update();
      return true;
    default:
      if (m_printing && m_printing->onCommand(id)) {
        updateAllViews();
        return true;
      }
      return zoomCommand(id);
  }
}

ShownSeriesSpan CHyetoscopeView::shownSeriesSpan() const {
  const DisplaySeries& s = m_doc.series();
  return {m_doc.intervalMode, s.firstShownIndex, s.visibleCount, s.valueCount, s.seriesStart};
}

void CHyetoscopeView::rangeSaveCommand() {
  CRangeSaveDlg dialog(m_doc.recording(), shownSeriesSpan(), m_doc.messages(), this);
  if (dialog.exec() == QDialog::Accepted) saveRange(dialog.recording(), dialog.span(), m_doc.messages());
  updateAllViews();
}

void CHyetoscopeView::textExportCommand() {
  const ShownSeriesSpan graph = shownSeriesSpan();
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
  m_doc.dataListOpen = true;
  m_dataList->show();
  m_dataList->initialise(m_doc.recording(), m_state.dataModified == 1, m_state.pendingStartTime,
                         listIntervalOf(m_doc.intervalMode));
  if (m_stateChanged) m_stateChanged();
}

bool CHyetoscopeView::zoomCommand(int id) {
  switch (id) {
    case cmd::EnlargeHorizontal: m_chartNavigation.enlargeHorizontally(); break;
    case cmd::ShrinkHorizontal: m_chartNavigation.shrinkHorizontally(); break;
    case cmd::EnlargeVertical: m_chartNavigation.enlargeVertically(); break;
    case cmd::ShrinkVertical: m_chartNavigation.shrinkVertically(); break;
    case cmd::InitialSize: m_chartNavigation.initialSize(); break;
    case cmd::Undo: m_chartNavigation.undo(); break;
    case cmd::Redo: m_chartNavigation.redo(); break;
    case cmd::MoveLeft: afterWindowMoved(m_chartNavigation.moveLeft(), true); return true;
    case cmd::MoveRight: afterWindowMoved(m_chartNavigation.moveRight(), true); return true;
    case cmd::VerticalScale: verticalScaleCommand(); return true;
    case cmd::HorizontalScale: horizontalScaleCommand(); return true;
    default: return false;
  }
  updateAllViews();
  return true;
}

void CHyetoscopeView::afterWindowMoved(bool shiftCursors, bool repaintNow) {
  if (shiftCursors) CursorState::shift(0, m_doc);
  if (repaintNow) {
    refillStatistics();
  } else if (!m_statisticsPending) {
    // The statistics sum from A to B, over the whole series at worst: a
    // burst of thumb-track events fills them once, after its last event
    // and before the paint that shows it.
    m_statisticsPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          m_statisticsPending = false;
          refillStatistics();
        },
        Qt::QueuedConnection);
  }
  layoutStep();
  // Thumb tracking comes in bursts: one paint after the last of them shows
  // the same picture as one per event, without falling behind the pointer
  // (and without drawing the chart for every event).
  updateScrollBar();
  if (repaintNow) {
    repaintChanged(true);
  } else {
    update(ownArea());
  }
  if (m_stateChanged) m_stateChanged();
}

void CHyetoscopeView::stepCursors(int d) {
  if (!m_doc.loadedFlag) return;
  // Only where the arrow button for that way would take the step.
  if (d < 0 ? !m_cursors.leftActive(m_doc.series()) : !m_cursors.rightActive(m_doc.series())) return;
  CursorState::shift(d < 0 ? -1 : 1, m_doc);
  refillStatistics();
  repaintChanged(true);
  if (m_stateChanged) m_stateChanged();
}

QRegion CHyetoscopeView::ownArea() const {
  QRegion area(rect());
  for (const QWidget* child : {static_cast<const QWidget*>(m_scrollBar), static_cast<const QWidget*>(m_statsList),
                               static_cast<const QWidget*>(m_intervalField), static_cast<const QWidget*>(m_sampleField),
                               static_cast<const QWidget*>(m_unitField)})
    area -= child->geometry();
  return area;
}

QRegion CHyetoscopeView::stripArea() const {
  return QRegion(toQRect(m_layout.cursorStrip)) + toQRect(m_layout.leftArrow) + toQRect(m_layout.rightArrow);
}

ChartInput CHyetoscopeView::chartInput() {
  m_cursors.recompute(m_layout, m_doc.series());
  if (!m_chart) return {};
  m_chart->setCursorX(m_cursors.x(Cursor::A), m_cursors.x(Cursor::B));
  return m_chart->screenInput(toQRect(m_layout.chartWidget), m_doc.loadedFlag, m_doc.series(), m_overlay.curves(m_doc));
}

QRegion CHyetoscopeView::refreshPicture(const ChartInput& in) {
  const QRegion changed = m_picture.update(size(), devicePixelRatioF(), palette().color(backgroundRole()),
                                           m_chart != nullptr, toQRect(m_layout.chartWidget), in, m_overlay.revision());
  return changed & ownArea();
}

void CHyetoscopeView::repaintChanged(bool now) {
  const QRegion changed = refreshPicture(chartInput()) + stripArea();
  if (now) {
    repaint(changed);
  } else {
    update(changed);
  }
}

void CHyetoscopeView::scrollAction(int action) {
  if (!m_doc.loadedFlag || m_doc.series().visibleCount == 0) return;
  const ScrollCode code = scrollCodeOf(action);
  const bool shift = m_chartNavigation.scroll(code, m_scrollBar->sliderPosition(), m_scrollBar->value(),
                                          m_scrollBar->pageStep(), m_layout.plot.width());
  // The bar is about to take over the position its action computed; it
  // takes the one of the window instead, also where the window did not move.
  {
    const QSignalBlocker quiet(m_scrollBar);
    m_scrollBar->setSliderPosition(m_chartNavigation.scrollBar(m_scrollBar->width()).position);
  }
  afterWindowMoved(shift, code != ScrollCode::ThumbTrack);
}

void CHyetoscopeView::updateScrollBar() {
  const ScrollBarState bar = m_chartNavigation.scrollBar(m_scrollBar->width());
  // Qt's range leaves the page out; the original bar's range holds it.
  const QSignalBlocker quiet(m_scrollBar);
  m_scrollBar->setRange(0, std::max(bar.maximum - bar.page, 0));
  m_scrollBar->setPageStep(bar.page);
  m_scrollBar->setSingleStep(1);
  m_scrollBar->setValue(bar.position);
  m_scrollBar->setEnabled(bar.enabled);
}

void CHyetoscopeView::refillStatistics() {
  if (!m_doc.loadedFlag) return;
  const DisplaySeries& series = m_doc.series();
  const HeaderTexts texts = headerTexts(m_doc.intervalMode, series.valueCount);
  m_unitField->setText(QString::fromStdString(texts.unit));
  if (m_doc.recording().dataName[0] != '\0') m_statsList->setCell(0, dataNameText(m_doc.recording().dataName));
  m_intervalField->setText(QString::fromStdString(texts.interval));
  if (series.valueCount != 0) m_sampleField->setText(QString::fromStdString(texts.sample));
  const CursorStatistics::Row row = CursorStatistics::compute(series);
  for (int i = 1; i < kStatsColumns; ++i) {
    if (row[static_cast<size_t>(i)]) m_statsList->setCell(i, QString::fromStdString(*row[static_cast<size_t>(i)]));
  }
}

void CHyetoscopeView::verticalScaleCommand() {
  if (!m_doc.loadedFlag) return;
  const std::string current = verticalScaleText(m_doc.verticalMax(m_doc.intervalMode), m_doc.intervalMode);
  CVerticalScaleDlg dialog(QString::fromStdString(current), window());
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<int> v = verticalScaleValue(dialog.text().toStdString());
  if (!v) {
    m_doc.messages().show(scaletext::kValueWrong, MessageIcon::Exclamation, MessageButtons::Ok);
    return;
  }
  m_chartNavigation.setVerticalMax(*v);
  updateAllViews();
}

void CHyetoscopeView::horizontalScaleCommand() {
  if (!m_doc.loadedFlag) return;
  HorizontalBounds bounds;
  if (m_doc.series().seriesStart != 0) bounds = horizontalBounds(m_doc.recording());
  CHorizontalScaleDlg dialog(bounds, m_doc.messages(), window());
  if (dialog.exec() != QDialog::Accepted) return;
  m_chartNavigation.showRange(dialog.start(), dialog.end());
  updateAllViews();
}

void CHyetoscopeView::intervalCommand(IntervalMode mode) {
  // The list follows the graph's interval.
  if (m_dataList) m_dataList->postIntervalButton(mode);
  if (m_windows.switchTo(m_doc, m_state, mode)) {
    headerRefresh();
    m_chartNavigation.startHistory();
  }
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
  if (!m_statsList->columnsSetUp()) {
    m_statsList->setUpColumns(width());
    m_statsList->setCell(3, QString::fromUtf8(kPlaceholder));
    m_statsList->setCell(4, QString::fromUtf8(kPlaceholder));
    update();
  }
}

void CHyetoscopeView::storeColumnWidths() { m_statsList->storeColumnWidths(); }

void CHyetoscopeView::displayReset() {
  m_intervalField->clear();
  m_sampleField->clear();
  m_unitField->clear();
  for (int i = 0; i < kStatsColumns; ++i) m_statsList->setCell(i, QString::fromUtf8(kPlaceholder));
  repaint();
}

void CHyetoscopeView::headerRefresh() {
  updateAllViews();
  const HeaderTexts texts = headerTexts(m_doc.intervalMode, m_doc.series().valueCount);
  if (m_doc.recording().dataName[0] != '\0') m_statsList->setCell(0, dataNameText(m_doc.recording().dataName));
  m_unitField->setText(QString::fromStdString(texts.unit));
  m_intervalField->setText(QString::fromStdString(texts.interval));
  m_sampleField->setText(QString::fromStdString(texts.sample));
  for (int i = 1; i < kStatsColumns; ++i) m_statsList->setCell(i, QString::fromUtf8(kPlaceholder));
}

void CHyetoscopeView::updateAllViews() {
  if (m_chart) {
    layoutStep();
    updateScrollBar();
    // The children show their own changes; the view's own pixels are the
    // chart's and the strip's.
    update(ownArea());
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
  m_chartNavigation.startHistory();
}

void CHyetoscopeView::showData() {
  m_overlay.forget();
  layoutStep();
  headerRefresh();
  if (m_chart) m_chart->setBandEnabled(true);
}

void CHyetoscopeView::showNoData() {
  m_overlay.forget();
  displayReset();
  if (m_chart) m_chart->setBandEnabled(false);
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
  m_doc.dataListOpen = false;
  if (m_stateChanged) m_stateChanged();
}

void CHyetoscopeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_doc.loadedFlag) {
    const QPoint at = event->position().toPoint();
    m_cursors.press(at.x(), at.y(), m_layout);
    m_cursors.arrowPress(at.x(), at.y(), m_layout, m_doc.series());
    repaintChanged(false);
  }
  QWidget::mousePressEvent(event);
}

void CHyetoscopeView::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) && m_doc.loadedFlag && m_cursors.dragMode() != CursorState::kNone) {
    const QPoint at = event->position().toPoint();
    m_cursors.move(at.x(), m_layout);
    m_cursors.arrowMove(at.x(), at.y(), m_layout, m_doc.series());
    repaintChanged(false);
  }
  QWidget::mouseMoveEvent(event);
}

void CHyetoscopeView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_doc.loadedFlag) {
    const QPoint at = event->position().toPoint();
    const int mode = m_cursors.dragMode();
    if (mode == CursorState::kDragA || mode == CursorState::kDragB) {
      m_cursors.release(at.x(), m_layout, m_barPitch, m_lastTick, m_doc);
      refillStatistics();
    } else if (mode == CursorState::kLeftHeld || mode == CursorState::kRightHeld) {
      if (m_cursors.arrowRelease(at.x(), at.y(), m_layout, m_doc)) refillStatistics();
    }
    repaintChanged(true);
    if (m_stateChanged) m_stateChanged();
  }
  QWidget::mouseReleaseEvent(event);
}

void CHyetoscopeView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (m_chart) layoutStep();
}

void CHyetoscopeView::paintEvent(QPaintEvent* event) {
  const bool loaded = m_doc.loadedFlag;
  if (loaded && m_chartNavigation.applyPendingBand() && m_stateChanged) m_stateChanged();
  // Before anything is painted: a change of the bar's state then shows in
  // this same paint where the region holds the bar.
  updateScrollBar();
  const ChartInput in = chartInput();
  const QColor background = palette().color(backgroundRole());
  const QFont chartFont = m_chart ? m_chart->labelFont() : font();
  const QRegion changed = refreshPicture(in);
  QPainter p(this);
  m_picture.paint(p, event->region(), ownArea(), background, chartFont, in);
  // What the band zoom and the cursor snapping work with until the next
  // drawing that shows bars.
  const ChartScene& scene = m_picture.scene();
  if (scene.hasLastTick) {
    m_barPitch = scene.barPitch;
    m_lastTick = scene.lastTick;
  }
  {
    DrawingSurfaceQt surface(p, ChartPainter::labelFont());
    ChartRenderer::draw(m_cursors.strip(m_layout, m_chart != nullptr), surface);
  }
  p.end();
  // A change this paint does not cover (the chart changed by itself, e.g.
  // a band applied now) is painted next.
  const QRegion missed = changed - event->region();
  if (!missed.isEmpty()) update(missed);
  if (!m_firstPaintDone && m_chart) {
    m_firstPaintDone = true;
    if (m_firstPaint) m_firstPaint();
  }
}
