#include "CDataListDlg.h"

#include "DataListModel.h"
#include "DateFieldRow.h"
#include "DialogButton.h"
#include "Integration.h"
#include "LocalTime.h"
#include "UserMessages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CDataListDlg::CDataListDlg(UserMessages& messages, Hooks hooks, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_hooks(std::move(hooks)) {
  setObjectName(QStringLiteral("dataListDlg143"));
  setWindowTitle(QString::fromUtf8("データ一覧"));
  setModal(false);

  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  auto* header = new QLabel(QString::fromUtf8("日時                 雨量"), this);
  header->setObjectName(QStringLiteral("list1043"));
  header->setFont(fixed);
  header->setFrameShape(QFrame::StyledPanel);
  m_model = new DataListModel(m_rows, this);
  m_list = new QListView(this);
  m_list->setObjectName(QStringLiteral("list1095"));
  m_list->setModel(m_model);
  m_list->setFont(fixed);
  // Every row has the same height, so the list never measures them all.
  m_list->setUniformItemSizes(true);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->setMinimumWidth(300);

  auto* tenMinute = dialogButton("10分", "button1042", this);
  auto* hourly = dialogButton("1時間", "button1038", this);
  auto* daily = dialogButton("1日", "button1039", this);
  auto* monthly = dialogButton("1ヵ月", "button1044", this);
  m_link = dialogButton("ｸﾞﾗﾌとﾘﾝｸ", "button1078", this);
  auto* close = dialogButton("閉じる", "button1", this);
  connect(tenMinute, &QPushButton::clicked, this, [this] { intervalButton(listinterval::TenMinute); });
  connect(hourly, &QPushButton::clicked, this, [this] { intervalButton(listinterval::Hourly); });
  connect(daily, &QPushButton::clicked, this, [this] { intervalButton(listinterval::Daily); });
  connect(monthly, &QPushButton::clicked, this, [this] { intervalButton(listinterval::Monthly); });
  connect(m_link, &QPushButton::clicked, this, &CDataListDlg::linkWithGraph);
  connect(close, &QPushButton::clicked, this, &CDataListDlg::reject);

  auto* integration = new QGroupBox(QString::fromUtf8("積算"), this);
  auto* grid = new QGridLayout(integration);
  static const int kStartIds[5] = {1050, 1051, 1052, 1053, 1054};
  static const int kEndIds[5] = {1055, 1056, 1057, 1058, 1059};
  addDateRow(grid, 0, "開始", m_start, kStartIds, integration);
  addDateRow(grid, 1, "終了", m_end, kEndIds, integration);
  auto* computeButton = dialogButton("算出", "button1061", integration);
  connect(computeButton, &QPushButton::clicked, this, &CDataListDlg::compute);
  auto* resultLabel = new QLabel(QString::fromUtf8("積算結果(mm)"), integration);
  m_result = new QLineEdit(integration);
  m_result->setObjectName(QStringLiteral("edit1060"));
  m_result->setReadOnly(true);
  resultLabel->setBuddy(m_result);
  grid->addWidget(computeButton, 2, 0, 1, 3);
  grid->addWidget(resultLabel, 2, 3, 1, 4);
  grid->addWidget(m_result, 2, 7, 1, 4);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {tenMinute, hourly, daily, monthly}) buttons->addWidget(b);
  buttons->addSpacing(12);
  buttons->addWidget(m_link);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* listColumn = new QVBoxLayout;
  listColumn->setSpacing(0);
  listColumn->addWidget(header);
  listColumn->addWidget(m_list, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(listColumn, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(integration);
  resize(520, 560);
}

CDataListDlg::~CDataListDlg() = default;

bool CDataListDlg::initialise(const RecordingBuffer& recording, bool dataModified, int32_t pendingStartTime,
                              int firstListInterval) {
  if (!m_rows.build(recording, dataModified, pendingStartTime)) {
    m_messages.show("ﾃﾞｰﾀ構造の変換に失敗しました。表を開くことができません。", MessageIcon::Error,
                    MessageButtons::Ok);
    QMetaObject::invokeMethod(this, [this] { reject(); }, Qt::QueuedConnection);
    return false;
  }
  const TenMinuteSeries& ten = m_rows.tenMinute();
  showFields(calendarFieldsAt(ten.startTime), calendarFieldsAt(static_cast<int64_t>(ten.startTime) + 600LL * ten.valueCount));
  m_result->setText(QStringLiteral("0"));
  m_link->setEnabled(false);
  m_model->showInterval(listinterval::None);
  if (firstListInterval >= listinterval::Hourly && firstListInterval <= listinterval::Monthly)
    QMetaObject::invokeMethod(this, [this, firstListInterval] { intervalButton(firstListInterval); },
                              Qt::QueuedConnection);
  return true;
}

void CDataListDlg::showFields(const CalendarFields& start, const CalendarFields& end) {
  const int s[5] = {start.year, start.month, start.day, start.hour, start.minute};
  const int e[5] = {end.year, end.month, end.day, end.hour, end.minute};
  for (size_t i = 0; i < 5; ++i) {
    m_start[i]->setText(QString::number(s[i]));
    m_end[i]->setText(QString::number(e[i]));
  }
}

int CDataListDlg::currentInterval() const { return m_model->interval(); }

void CDataListDlg::setGraphMode(IntervalMode mode) { m_graphMode = mode; }

void CDataListDlg::postIntervalButton(IntervalMode mode) {
  m_graphMode = mode;
  const int listInterval = listIntervalOf(mode);
  QPointer<CDataListDlg> self(this);
  QMetaObject::invokeMethod(
      this, [self, listInterval] { if (self) self->intervalButton(listInterval); }, Qt::QueuedConnection);
}

void CDataListDlg::intervalButton(int listInterval) {
  if (listInterval == m_model->interval()) {
    if (linkEnabled(listInterval, m_graphMode)) m_link->setEnabled(true);
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_model->showInterval(listInterval);
  QApplication::restoreOverrideCursor();
  m_link->setEnabled(linkEnabled(listInterval, m_graphMode));
}

void CDataListDlg::linkWithGraph() {
  const int p = m_hooks.firstShownIndex ? m_hooks.firstShownIndex() : 0;
  // The graph's first value goes to the top of the list, however many rows
  // the window shows.
  const int row = linkRow(p, m_model->rowCount());
  if (row >= 0) m_list->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtTop);
}

void CDataListDlg::compute() {
  const IntegrationResult r = integrate(m_rows.tenMinute(), calendarFieldsOf(m_start), calendarFieldsOf(m_end));
  if (r.check != IntegrationCheck::Ok) {
    m_messages.show(integrationMessage(r.check), MessageIcon::None, MessageButtons::Ok);
    (integrationFocusOnStart(r.check) ? m_start[0] : m_end[0])->setFocus();
    return;
  }
  // A short pause before the result, as the list has always shown it.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QPointer<CDataListDlg> self(this);
  const QString text = QString::fromStdString(integrationText(r.sum));
  const std::string missingNote = integrationMissingText(r.missingSlots);
  QTimer::singleShot(500, qApp, [self, text, missingNote] {
    QApplication::restoreOverrideCursor();
    if (!self) return;
    self->m_result->setText(text);
    // The sum of the known values, never one that took missing slots as 0.
    if (!missingNote.empty()) self->m_messages.show(missingNote, MessageIcon::Information, MessageButtons::Ok);
  });
}

void CDataListDlg::reject() {
  if (m_hooks.closeRequested) m_hooks.closeRequested();
}

void CDataListDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}
