#include "AboutDialog.h"

#include "ToolbarIcons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("HY for Windows のﾊﾞｰｼﾞｮﾝ情報"));
  setObjectName(QStringLiteral("aboutDialog"));
  auto* icon = new QLabel(this);
  icon->setPixmap(programIcon().pixmap(32, 32));
  auto* version = new QLabel(QStringLiteral("HY for Windows Version 2.11"), this);
  version->setObjectName(QStringLiteral("versionText"));
  auto* rights = new QLabel(QStringLiteral("Copyright (C) VELDEN CORPORATION"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* grid = new QGridLayout(this);
  grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(version, 0, 1);
  grid->addWidget(rights, 1, 1);
  grid->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
  setFixedSize(sizeHint());
}
