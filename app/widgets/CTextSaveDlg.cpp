#include "CTextSaveDlg.h"

#include "DateFieldRow.h"
#include "UserMessages.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstring>

namespace {
const char* const kSeparators = ",\t ;";

QRadioButton* radio(const char* text, const QString& name, QWidget* parent) {
  auto* r = new QRadioButton(QString::fromUtf8(text), parent);
  r->setObjectName(name);
  return r;
}

}  // namespace

CTextSaveDlg::CTextSaveDlg(const RecordingBuffer& recording, const ShownSeriesSpan& graph, UserMessages& messages,
                           QWidget* parent)
    : QDialog(parent), m_copy(std::make_unique<RecordingBuffer>()), m_graph(graph), m_messages(messages) {
  std::memcpy(m_copy.get(), &recording, sizeof(RecordingBuffer));
  m_graphSpan = exportGraphSpan(*m_copy, m_graph);
  setWindowTitle(QString::fromUtf8("ﾃｷｽﾄﾌｧｲﾙ保存設定"));
  setObjectName(QStringLiteral("textSaveDlg164"));

  auto* rangeBox = new QGroupBox(QString::fromUtf8("保存範囲項目設定"), this);
  auto* rangeLayout = new QVBoxLayout(rangeBox);
  m_range[0] = radio("保存範囲を指定", QStringLiteral("radio1029"), rangeBox);
  m_range[1] = radio("ｸﾞﾗﾌ表示範囲を保存", QStringLiteral("radio1030"), rangeBox);
  m_range[2] = radio("全記録範囲を保存", QStringLiteral("radio1019"), rangeBox);
  for (QRadioButton* r : m_range) rangeLayout->addWidget(r);

  auto* intervalBox = new QGroupBox(QString::fromUtf8("保存間隔設定"), this);
  auto* intervalLayout = new QVBoxLayout(intervalBox);
  // Shown in the order 10 minutes, 1 hour, 1 day, 1 month.
  m_interval[static_cast<int>(IntervalMode::TenMinute)] = radio("10分", QStringLiteral("radio1074"), intervalBox);
  m_interval[static_cast<int>(IntervalMode::Hourly)] = radio("1時間", QStringLiteral("radio1071"), intervalBox);
  m_interval[static_cast<int>(IntervalMode::Daily)] = radio("1日", QStringLiteral("radio1072"), intervalBox);
  m_interval[static_cast<int>(IntervalMode::Monthly)] = radio("1ヵ月", QStringLiteral("radio1073"), intervalBox);
  for (IntervalMode m : {IntervalMode::TenMinute, IntervalMode::Hourly, IntervalMode::Daily, IntervalMode::Monthly})
    intervalLayout->addWidget(m_interval[static_cast<size_t>(m)]);

  auto* separatorBox = new QGroupBox(QString::fromUtf8("保存形式設定"), this);
  auto* separatorLayout = new QVBoxLayout(separatorBox);
  m_separator[0] = radio("ｶﾝﾏ", QStringLiteral("radio1005"), separatorBox);
  m_separator[1] = radio("ﾀﾌﾞ", QStringLiteral("radio1006"), separatorBox);
  m_separator[2] = radio("ｽﾍﾟｰｽ", QStringLiteral("radio1007"), separatorBox);
  m_separator[3] = radio("ｾﾐｺﾛﾝ", QStringLiteral("radio1008"), separatorBox);
  for (QRadioButton* r : m_separator) separatorLayout->addWidget(r);

  auto* datesBox = new QGroupBox(QString::fromUtf8("保存範囲設定"), this);
  auto* grid = new QGridLayout(datesBox);
  static const int kStartIds[5] = {1017, 1028, 1020, 1024, 1025};
  static const int kEndIds[5] = {1040, 1041, 1042, 1043, 1044};
  addDateRow(grid, 0, "開始日 ：", m_start, kStartIds, datesBox);
  addDateRow(grid, 1, "終了日 ：", m_end, kEndIds, datesBox);
  grid->setColumnStretch(11, 1);


  // Each group is its own exclusive set.
  for (auto* buttons : {static_cast<QWidget*>(rangeBox), static_cast<QWidget*>(intervalBox),
                        static_cast<QWidget*>(separatorBox)}) {
    auto* group = new QButtonGroup(buttons);
    for (QRadioButton* r : buttons->findChildren<QRadioButton*>()) group->addButton(r);
  }
  for (int i = 0; i < 3; ++i)
    onRadioChosen(m_range[static_cast<size_t>(i)], this, [this, i] { onRangeChosen(static_cast<Range>(i)); });
  for (int i = 0; i < 4; ++i)
    onRadioChosen(m_interval[static_cast<size_t>(i)], this,
                  [this, i] { onIntervalChosen(static_cast<IntervalMode>(i)); });

  auto* top = new QHBoxLayout;
  top->addWidget(rangeBox);
  top->addWidget(intervalBox);
  top->addWidget(separatorBox);
  top->addLayout(okCancelColumn(this, "ﾃｷｽﾄﾌｧｲﾙ保存"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(datesBox);

  m_range[0]->setChecked(true);
  m_separator[0]->setChecked(true);
  m_interval[static_cast<int>(IntervalMode::Hourly)]->setChecked(true);
  setFieldsFor(IntervalMode::Hourly);
}

CTextSaveDlg::~CTextSaveDlg() = default;

QRadioButton* CTextSaveDlg::rangeButton(Range range) const { return m_range[static_cast<size_t>(range)]; }
QRadioButton* CTextSaveDlg::intervalButton(IntervalMode mode) const { return m_interval[static_cast<size_t>(mode)]; }
QRadioButton* CTextSaveDlg::separatorButton(int index) const { return m_separator[static_cast<size_t>(index)]; }

void CTextSaveDlg::setFieldsFor(IntervalMode mode) {
  const ExportFieldUse use = exportFieldUse(mode);
  for (auto* row : {&m_start, &m_end}) {
    (*row)[0]->setEnabled(true);
    (*row)[1]->setEnabled(true);
    (*row)[2]->setEnabled(use.day);
    (*row)[3]->setEnabled(use.hour);
    (*row)[4]->setEnabled(use.minute);
  }
}

void CTextSaveDlg::onRangeChosen(Range range) {
  if (range == Range::Given) {
    for (QRadioButton* r : m_interval) r->setEnabled(true);
    m_interval[static_cast<int>(IntervalMode::Hourly)]->setChecked(true);
    setFieldsFor(IntervalMode::Hourly);
    return;
  }
  // The shown and whole ranges write the graph's own series.
  for (auto* row : {&m_start, &m_end})
    for (QLineEdit* e : *row) e->setEnabled(false);
  for (size_t i = 0; i < m_interval.size(); ++i) m_interval[i]->setEnabled(static_cast<int>(i) == static_cast<int>(m_graph.mode));
  m_interval[static_cast<size_t>(m_graph.mode)]->setChecked(true);
}

void CTextSaveDlg::onIntervalChosen(IntervalMode mode) {
  if (m_range[0]->isChecked()) setFieldsFor(mode);
}

IntervalMode CTextSaveDlg::selectedInterval() const {
  for (size_t i = 0; i < m_interval.size(); ++i)
    if (m_interval[i]->isChecked()) return static_cast<IntervalMode>(i);
  return IntervalMode::Hourly;
}

char CTextSaveDlg::selectedSeparator() const {
  for (size_t i = 0; i < m_separator.size(); ++i)
    if (m_separator[i]->isChecked()) return kSeparators[i];
  return ',';
}

void CTextSaveDlg::accept() {
  const char separator = selectedSeparator();
  if (m_range[1]->isChecked()) {
    m_request = graphExportRequest(m_graph, m_graphSpan.start, separator);
  } else if (m_range[2]->isChecked()) {
    m_request = wholeExportRequest(m_graph, separator);
  } else {
    const GivenRange given = givenExportRange(*m_copy, selectedInterval(), dateTextsOf(m_start), dateTextsOf(m_end), separator);
    if (given.check != RangeCheck::Ok) {
      m_messages.show(rangeCheckMessage(given.check), MessageIcon::None, MessageButtons::Ok);
      return;
    }
    m_request = given.request;
  }
  QDialog::accept();
}

std::string chooseTextFile(QWidget* parent) {
  QFileDialog dialog(parent, QString::fromUtf8("ﾃﾙｶﾃｷｽﾄﾌｧｲﾙ名の指定"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setNameFilters({QString::fromUtf8("ﾃﾙｶﾃｷｽﾄﾌｧｲﾙ (*.txt)"), QString::fromUtf8("すべてのﾌｧｲﾙ (*.*)")});
  dialog.setOption(QFileDialog::ReadOnly, false);
  // Asking before an existing file is replaced is the dialog's default.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
}

int runTextExport(const RecordingBuffer& recording, const ExportRequest& request, UserMessages& messages,
                  const TextFileChooser& chooser, QWidget* parent) {
  const std::string path = chooser ? chooser(parent) : chooseTextFile(parent);
  if (path.empty()) return 9;
  if (writeSeriesTextFile(recording, request, path) == ExportStatus::WriteFailed) {
    messages.show("ﾃｷｽﾄﾌｧｲﾙ " + path + " を書き込めませんでした。\n元のﾌｧｲﾙはそのままです。", MessageIcon::Error,
                  MessageButtons::Ok);
    return 0;
  }
  return 1;
}
