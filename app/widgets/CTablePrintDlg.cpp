#include "CTablePrintDlg.h"

#include "UserMessages.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLineEdit* edit(QWidget* parent, const char* name, int maxLength, int widthChars) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaxLength(maxLength);
  e->setFixedWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * widthChars + 16);
  return e;
}

QLabel* label(const char* text, QWidget* buddy, QWidget* parent) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  if (buddy) l->setBuddy(buddy);
  return l;
}

std::string text(const QLineEdit* e) { return e->text().toStdString(); }

}  // namespace

CTablePrintDlg::CTablePrintDlg(UserMessages& messages, QWidget* parent) : QDialog(parent), m_messages(messages) {
  setObjectName(QStringLiteral("tablePrintDlg155"));
  setWindowTitle(QStringLiteral("ﾃｷｽﾄ表印刷設定"));

  auto* group = new QGroupBox(QStringLiteral("ﾌｫｰﾏｯﾄ指定"), this);
  m_monthly = new QRadioButton(QStringLiteral("月間時間雨量"), group);
  m_monthly->setObjectName(QStringLiteral("radio1072"));
  m_yearly = new QRadioButton(QStringLiteral("年間日雨量"), group);
  m_yearly->setObjectName(QStringLiteral("radio1073"));
  m_monthYear = edit(group, "edit1079", 4, 4);
  m_month = edit(group, "edit1080", 2, 2);
  m_yearYear = edit(group, "edit1081", 4, 4);
  m_station = edit(this, "edit1082", 24, 24);

  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(QStringLiteral("指定された内容のﾃﾞｰﾀを印刷します。"), group), 0, 0, 1, 6);
  grid->addWidget(m_monthly, 1, 0);
  grid->addWidget(m_monthYear, 1, 1);
  grid->addWidget(label("年", m_monthYear, group), 1, 2);
  grid->addWidget(m_month, 1, 3);
  grid->addWidget(label("月分", m_month, group), 1, 4);
  grid->addWidget(m_yearly, 2, 0);
  grid->addWidget(m_yearYear, 2, 1);
  grid->addWidget(label("年分", m_yearYear, group), 2, 2);
  grid->setColumnStretch(5, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("button1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("button2"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CTablePrintDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CTablePrintDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(label("観測所名（必要であれば入力してください。）", m_station, this));
  layout->addWidget(m_station);
  layout->addWidget(buttons);

  setTabOrder(m_monthly, m_monthYear);
  setTabOrder(m_monthYear, m_month);
  setTabOrder(m_month, m_yearly);
  setTabOrder(m_yearly, m_yearYear);
  setTabOrder(m_yearYear, m_station);
  connect(m_monthly, &QRadioButton::clicked, this, [this] { chooseKind(true); });
  connect(m_yearly, &QRadioButton::clicked, this, [this] { chooseKind(false); });
  chooseKind(true);
}

void CTablePrintDlg::chooseKind(bool monthly) {
  m_monthly->setChecked(monthly);
  m_yearly->setChecked(!monthly);
  m_monthYear->setEnabled(monthly);
  m_month->setEnabled(monthly);
  m_yearYear->setEnabled(!monthly);
}

TablePrintFields CTablePrintDlg::fields() const {
  TablePrintFields f;
  f.monthly = m_monthly->isChecked();
  f.monthYear = text(m_monthYear);
  f.month = text(m_month);
  f.yearYear = text(m_yearYear);
  f.station = text(m_station);
  return f;
}

void CTablePrintDlg::accept() {
  m_request = checkTablePrintFields(fields());
  if (!m_request) {
    m_messages.show(kTableFieldError, MessageIcon::None, MessageButtons::Ok);
    return;
  }
  QDialog::accept();
}
