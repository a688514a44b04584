#include "StatisticsList.h"

#include "ViewTexts.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("ShownSeriesSpan");
}  // namespace

StatisticsList::StatisticsList(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("statsList1048"));
  setRootIsDecorated(false);
  setSortingEnabled(false);
  header()->setSectionsClickable(false);
  // Every column keeps the width it was given or stored; none takes the rest.
  header()->setStretchLastSection(false);
  setColumnCount(kStatsColumns);
}

void StatisticsList::setUpColumns(int clientWidth) {
  QSettings settings;
  settings.beginGroup(kGroup);
  QStringList headers;
  for (const StatsColumn& c : statsColumns()) headers << QString::fromUtf8(c.header);
  setHeaderLabels(headers);
  auto* row = new QTreeWidgetItem(this, QStringList(QStringLiteral(" ")));
  const int dates = dateWidth(row);
  for (int i = 0; i < kStatsColumns; ++i) {
    const int width = settings
                          .value(QString::fromLatin1(statsColumns()[static_cast<size_t>(i)].profileName),
                                 defaultStatsColumnWidth(i, clientWidth, dates))
                          .toInt();
    setColumnWidth(i, width);
    headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
  }
  for (int i = 0; i < kStatsColumns; ++i) row->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
  m_columnsSetUp = true;
}

int StatisticsList::dateWidth(QTreeWidgetItem* row) {
  const QFontMetrics metrics(font());
  char widest = '0';
  for (char d = '1'; d <= '9'; ++d)
    if (metrics.horizontalAdvance(QLatin1Char(d)) > metrics.horizontalAdvance(QLatin1Char(widest))) widest = d;
  // Measured by the list itself, margins and all, on the still empty cell.
  row->setText(6, QString::fromStdString(widestStatsDateText(widest)));
  const int width = sizeHintForColumn(6);
  row->setText(6, QString());
  return width;
}

void StatisticsList::storeColumnWidths() {
  if (!m_columnsSetUp) return;
  QSettings settings;
  settings.beginGroup(kGroup);
  for (int i = kStatsColumns - 1; i >= 0; --i)
    settings.setValue(QString::fromLatin1(statsColumns()[static_cast<size_t>(i)].profileName), columnWidth(i));
}

void StatisticsList::setCell(int column, const QString& text) {
  if (QTreeWidgetItem* row = topLevelItem(0)) row->setText(column, text);
}
