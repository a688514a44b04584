#include "CRangeSaveDlg.h"

#include "DateFieldRow.h"
#include "RangeSave.h"
#include "UserMessages.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstring>


CRangeSaveDlg::CRangeSaveDlg(const RecordingBuffer& recording, const ShownSeriesSpan& graph, UserMessages& messages,
                             QWidget* parent)
    : QDialog(parent), m_copy(std::make_unique<RecordingBuffer>()), m_messages(messages) {
  std::memcpy(m_copy.get(), &recording, sizeof(RecordingBuffer));
  m_graphSpan = rangeSaveGraphSpan(*m_copy, graph);
  setObjectName(QStringLiteral("rangeSaveDlg158"));
  setWindowTitle(QString::fromUtf8("HYYﾌｧｲﾙ編集・保存設定"));

  auto* rangeBox = new QGroupBox(QString::fromUtf8("保存範囲項目設定"), this);
  auto* rangeLayout = new QVBoxLayout(rangeBox);
  const char* const texts[3] = {"保存範囲を指定", "ｸﾞﾗﾌ表示範囲を保存", "全記録範囲を保存"};
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    m_range[static_cast<size_t>(i)] = new QRadioButton(QString::fromUtf8(texts[i]), rangeBox);
    m_range[static_cast<size_t>(i)]->setObjectName(QStringLiteral("radio%1").arg(1085 + i));
    rangeLayout->addWidget(m_range[static_cast<size_t>(i)]);
    group->addButton(m_range[static_cast<size_t>(i)]);
    onRadioChosen(m_range[static_cast<size_t>(i)], this, [this, i] { enableFields(i == 0); });
  }
  static const int kStartIds[5] = {1017, 1028, 1020, 1024, 1025};
  static const int kEndIds[5] = {1040, 1041, 1042, 1043, 1044};
  auto* grid = new QGridLayout;
  addDateRow(grid, 0, "開始日 ：", m_start, kStartIds, rangeBox);
  addDateRow(grid, 1, "終了日 ：", m_end, kEndIds, rangeBox);
  grid->setColumnStretch(11, 1);
  rangeLayout->addLayout(grid);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(rangeBox, 1);
  layout->addLayout(okCancelColumn(this, "HYYﾌｧｲﾙ保存"));

  m_range[2]->setChecked(true);
  enableFields(false);
}

CRangeSaveDlg::~CRangeSaveDlg() = default;

void CRangeSaveDlg::enableFields(bool on) {
  for (auto* row : {&m_start, &m_end})
    for (QLineEdit* e : *row) e->setEnabled(on);
}

void CRangeSaveDlg::accept() {
  RangeCheck check = RangeCheck::Ok;
  if (m_range[1]->isChecked()) {
    m_span = m_graphSpan;
    check = checkGraphSaveSpan(*m_copy, m_span);
  } else if (m_range[2]->isChecked()) {
    m_span = wholeRecordingSpan(*m_copy);
  } else {
    check = checkGivenSaveSpan(*m_copy, dateTextsOf(m_start), dateTextsOf(m_end), m_span);
  }
  if (check != RangeCheck::Ok) {
    m_messages.show(rangeCheckMessage(check), MessageIcon::None, MessageButtons::Ok);
    return;
  }
  QDialog::accept();
}
