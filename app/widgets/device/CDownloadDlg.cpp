#include "CDownloadDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

class CDownloadDlg::OperationUi : public device::DownloadDialogUi {
 public:
  explicit OperationUi(CDownloadDlg* dialog) : m_dialog(dialog) {}
  void setButtons(bool start, bool cancel, bool close) override {
    if (!m_dialog) return;
    m_dialog->m_start->setEnabled(start);
    m_dialog->m_cancel->setEnabled(cancel);
    m_dialog->m_close->setEnabled(close);
  }
  void setStatus(const std::string& text) override {
    if (m_dialog) m_dialog->m_status->setText(QString::fromStdString(text));
  }
  void setProgress(int position) override {
    if (!m_dialog) return;
    m_dialog->m_progress->setValue(position);
    m_dialog->m_progress->repaint();
  }
  void showNormal() override {
    if (m_dialog) m_dialog->showNormal();
  }
  void endDialog() override {
    if (m_dialog) m_dialog->done(QDialog::Rejected);
  }

 private:
  QPointer<CDownloadDlg> m_dialog;
};

CDownloadDlg::CDownloadDlg(device::DeviceLink& link, RecordingState& state, device::DownloadOptions options,
                           QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("downloadDialog"));
  setWindowTitle(QStringLiteral("ﾃﾞｰﾀ吸い上げ"));
  auto* group = new QGroupBox(QStringLiteral("吸い上げ状況"), this);
  auto* label = new QLabel(QStringLiteral("状態："), group);
  m_status = new QLineEdit(group);
  m_status->setObjectName(QStringLiteral("status1036"));
  m_status->setReadOnly(true);
  label->setBuddy(m_status);
  m_progress = new QProgressBar(group);
  m_progress->setObjectName(QStringLiteral("progress1004"));
  m_progress->setRange(0, 1000);
  m_progress->setTextVisible(false);
  m_progress->setMinimumWidth(320);
  auto* grid = new QGridLayout(group);
  grid->addWidget(label, 0, 0);
  grid->addWidget(m_status, 0, 1);
  grid->addWidget(m_progress, 1, 0, 1, 2);
  auto* scale = new QHBoxLayout;
  const char* marks[] = {"0%", "25%", "50%", "75%", "100%"};
  for (int i = 0; i < 5; ++i) {
    auto* mark = new QLabel(QString::fromUtf8(marks[i]), group);
    mark->setAlignment(i == 0 ? Qt::AlignLeft : i == 4 ? Qt::AlignRight : Qt::AlignHCenter);
    scale->addWidget(mark, 1);
  }
  grid->addLayout(scale, 2, 0, 1, 2);

  m_start = new QPushButton(QStringLiteral("吸い上げ開始"), this);
  m_start->setObjectName(QStringLiteral("button1009"));
  m_cancel = new QPushButton(QStringLiteral("吸い上げｷｬﾝｾﾙ"), this);
  m_cancel->setObjectName(QStringLiteral("button1010"));
  m_close = new QPushButton(QStringLiteral("閉じる"), this);
  m_close->setObjectName(QStringLiteral("button8"));
  for (QPushButton* b : {m_start, m_cancel, m_close}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_start);
  buttons->addWidget(m_cancel);
  buttons->addWidget(m_close);
  auto* top = new QVBoxLayout(this);
  top->addWidget(group);
  top->addLayout(buttons);

  m_operationUi = std::make_unique<OperationUi>(this);
  m_op = std::make_unique<device::DownloadOperation>(link, state, *m_operationUi, std::move(options));
  connect(m_start, &QPushButton::clicked, this, [this] { m_op->onStart(); });
  connect(m_cancel, &QPushButton::clicked, this, [this] { m_op->onCancel(); });
  connect(m_close, &QPushButton::clicked, this, [this] { m_op->onClose(); });
  m_op->onInit();
  // Centred on the desktop.
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

CDownloadDlg::~CDownloadDlg() {
  // The operation joins its workers before the widgets it reports to go.
  m_op.reset();
}

void CDownloadDlg::reject() { m_op->onClose(); }
