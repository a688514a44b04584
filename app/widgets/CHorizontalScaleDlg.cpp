#include "CHorizontalScaleDlg.h"

#include "UserMessages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kFieldIds[10] = {1017, 1019, 1020, 1024, 1025, 1040, 1041, 1042, 1043, 1044};
}  // namespace

CHorizontalScaleDlg::CHorizontalScaleDlg(const HorizontalBounds& bounds, UserMessages& messages, QWidget* parent)
    : QDialog(parent), m_bounds(bounds), m_messages(messages) {
  setObjectName(QStringLiteral("horizontalScaleDlg152"));
  setWindowTitle(QString::fromUtf8(scaletext::kHorizontalTitle));
  auto* group = new QGroupBox(QString::fromUtf8(scaletext::kHorizontalGroup), this);
  auto* grid = new QGridLayout(group);
  const char* rowLabels[2] = {scaletext::kStartLabel, scaletext::kEndLabel};
  const DateTexts filled[2] = {dateTextsAt(bounds.lower), dateTextsAt(bounds.upper)};
  for (int r = 0; r < 2; ++r) {
    auto* label = new QLabel(QString::fromUtf8(rowLabels[r]), group);
    grid->addWidget(label, r, 0);
    const std::string* texts[5] = {&filled[r].year, &filled[r].month, &filled[r].day, &filled[r].hour,
                                   &filled[r].minute};
    for (int c = 0; c < 5; ++c) {
      const int k = r * 5 + c;
      // Without a series start there is nothing to pre-fill.
      auto* edit = new QLineEdit(bounds.upper == 0 ? QString() : QString::fromStdString(*texts[c]),
                                 group);
      edit->setObjectName(QStringLiteral("edit%1").arg(kFieldIds[k]));
      edit->setMaxLength(c == 0 ? 4 : 2);
      edit->setFixedWidth(c == 0 ? 44 : 28);
      edit->setAlignment(Qt::AlignRight);
      m_fields[static_cast<size_t>(k)] = edit;
      grid->addWidget(edit, r, 1 + 2 * c);
      grid->addWidget(new QLabel(QString::fromUtf8(scaletext::kUnits[c]), group), r, 2 + 2 * c);
      if (c == 0) label->setBuddy(edit);
    }
  }
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QString::fromUtf8(scaletext::kCancel), this);
  connect(ok, &QPushButton::clicked, this, &CHorizontalScaleDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());
}

DateTexts CHorizontalScaleDlg::row(int first) const {
  const auto text = [this, first](int c) { return field(first + c)->text().toStdString(); };
  return DateTexts{text(0), text(1), text(2), text(3), text(4)};
}

void CHorizontalScaleDlg::accept() {
  const HorizontalCheck check = checkHorizontalRange(row(0), row(5), m_bounds);
  if (check.message != nullptr) {
    m_messages.show(check.message, MessageIcon::None, MessageButtons::Ok);
    return;
  }
  m_start = check.start;
  m_end = check.end;
  QDialog::accept();
}
