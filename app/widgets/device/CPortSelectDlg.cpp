#include "CPortSelectDlg.h"

#include "PortTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CPortSelectDlg::CPortSelectDlg(device::DeviceLink& link, UserMessages& messages, int& selectedPort,
                               device::PortSelection::Store store, QWidget* parent)
    : QDialog(parent), m_selection(link, messages, selectedPort, std::move(store)) {
  setObjectName(QStringLiteral("portDialog"));
  setWindowTitle(QString::fromUtf8(device::kTextPortDialogTitle));
  auto* group = new QGroupBox(QString::fromUtf8(device::kTextPortGroup), this);
  m_list = new QComboBox(group);
  m_list->setObjectName(QStringLiteral("list1015"));
  for (int port = 1; port <= device::kPortCount; ++port) m_list->addItem(QStringLiteral("COM%1").arg(port));
  m_list->setAccessibleName(QString::fromUtf8(device::kTextPortGroup));
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(m_list);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("button1"));
  QPushButton* cancel = buttons->addButton(QString::fromUtf8(device::kTextCancelButton), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("button2"));
  m_detect = new QPushButton(QString::fromUtf8(device::kTextDetectButton), this);
  m_detect->setObjectName(QStringLiteral("button1049"));
  m_detect->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPortSelectDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPortSelectDlg::reject);
  connect(m_detect, &QPushButton::clicked, this, [this] {
    if (m_selection.onDetect()) done(QDialog::Accepted);
  });

  auto* top = new QVBoxLayout(this);
  top->addWidget(group);
  top->addWidget(m_detect);
  top->addWidget(buttons);
  const int index = m_selection.onInit();
  m_list->setCurrentIndex(index >= 0 && index < m_list->count() ? index : 0);
}

void CPortSelectDlg::accept() {
  if (m_selection.onOk(m_list->currentIndex())) QDialog::accept();
}
