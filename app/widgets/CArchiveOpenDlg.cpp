#include "CArchiveOpenDlg.h"

#include "DateFields.h"
#include "LocalTime.h"
#include "UserMessages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString slotText(int64_t t) { return QString::fromStdString(formatLocal(t, "%Y/%m/%d %H:%M")); }

void setFields(const DateFieldEdits& fields, const DateTexts& texts) {
  const std::string* parts[5] = {&texts.year, &texts.month, &texts.day, &texts.hour, &texts.minute};
  for (size_t i = 0; i < 5; ++i) fields[i]->setText(QString::fromStdString(*parts[i]));
}
}  // namespace

CArchiveOpenDlg::CArchiveOpenDlg(std::vector<StationSummary> stations, UserMessages& messages, QWidget* parent)
    : QDialog(parent), m_stations(std::move(stations)), m_messages(messages) {
  setObjectName(QStringLiteral("archiveOpenDlg"));
  setWindowTitle(QString::fromUtf8("ｱｰｶｲﾌﾞを開く"));

  auto* listLabel = new QLabel(QString::fromUtf8("観測所(&L):"), this);
  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("stationList"));
  m_list->setRootIsDecorated(false);
  m_list->setHeaderLabels({QString::fromUtf8("観測所"), QString::fromUtf8("最初のﾃﾞｰﾀ"), QString::fromUtf8("最後のﾃﾞｰﾀ"),
                           QString::fromUtf8("ﾃﾞｰﾀ数"), QString::fromUtf8("欠測数"), QString::fromUtf8("ﾒﾓ")});
  listLabel->setBuddy(m_list);
  for (const StationSummary& s : m_stations) {
    auto* item = new QTreeWidgetItem(m_list);
    item->setText(0, QString::fromStdString(s.name));
    if (s.hasSlots) {
      item->setText(1, slotText(s.firstSlot));
      item->setText(2, slotText(s.lastSlot));
      item->setText(3, QString::number(s.slotCount));
      item->setText(4, QString::number(s.missingCount));
      for (int c = 3; c < 5; ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    } else {
      item->setDisabled(true);
    }
    item->setText(5, QString::fromStdString(s.note));
  }
  m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_list->setMinimumWidth(640);

  static const int kStartIds[5] = {1301, 1302, 1303, 1304, 1305};
  static const int kEndIds[5] = {1311, 1312, 1313, 1314, 1315};
  auto* grid = new QGridLayout;
  addDateRow(grid, 0, "開始日 ：", m_start, kStartIds, this);
  addDateRow(grid, 1, "終了日 ：", m_end, kEndIds, this);
  grid->setColumnStretch(11, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(listLabel);
  left->addWidget(m_list, 1);
  left->addLayout(grid);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(okCancelColumn(this, "開く"));
  setTabOrder(m_list, m_start[0]);

  connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { stationChosen(); });
  for (int i = 0; i < m_list->topLevelItemCount(); ++i)
    if (!m_list->topLevelItem(i)->isDisabled()) {
      m_list->setCurrentItem(m_list->topLevelItem(i));
      break;
    }
}

void CArchiveOpenDlg::stationChosen() {
  const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
  if (row < 0 || !m_stations[size_t(row)].hasSlots) return;
  m_chosen = size_t(row);
  const ArchiveSpan offered = defaultArchiveSpan(m_stations[m_chosen]);
  setFields(m_start, dateTextsAt(offered.from));
  setFields(m_end, dateTextsAt(offered.to));
}

void CArchiveOpenDlg::accept() {
  const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
  if (row < 0 || !m_stations[size_t(row)].hasSlots) {
    m_messages.show("観測所を選んでください。", MessageIcon::Exclamation, MessageButtons::Ok);
    return;
  }
  std::string error;
  const std::optional<ArchiveSpan> span =
      archiveSpanOf(dateTextsOf(m_start), dateTextsOf(m_end), m_stations[m_chosen], error);
  if (!span) {
    m_messages.show(error, MessageIcon::None, MessageButtons::Ok);
    m_start[0]->setFocus();
    return;
  }
  m_span = *span;
  QDialog::accept();
}
