#include "ArchiveMenu.h"

#include "ArchiveOpenCommand.h"
#include "CArchiveOpenDlg.h"
#include "CHyetoscopeDoc.h"
#include "RecordingState.h"
#include "StationArchive.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kArchiveFilter = QString::fromUtf8("ｱｰｶｲﾌﾞ (*.hyarc);;すべてのﾌｧｲﾙ (*)");
const QString kRecordingFilter = QString::fromUtf8("記録ﾃﾞｰﾀ (*.hyy *.HYY);;すべてのﾌｧｲﾙ (*)");
const QString kSettingKey = QStringLiteral("Settings/ArchivePath");
}  // namespace

ArchiveSetting ArchiveMenu::setting() {
  return {[] { return QSettings().value(kSettingKey).toString().toStdString(); },
          [](const std::string& path) {
            QSettings().setValue(kSettingKey, QFileInfo(QString::fromStdString(path)).absoluteFilePath());
          }};
}

ArchiveMenu::ArchiveMenu(CHyetoscopeDoc& doc, UserMessages& messages, QWidget* owner)
    : m_doc(doc), m_messages(messages), m_owner(owner) {
  // A new name is allowed: the import makes the archive.
  chooseArchiveForImport = [this](const std::string& last) {
    return QFileDialog::getSaveFileName(m_owner, QString::fromUtf8("取り込み先のｱｰｶｲﾌﾞ"), QString::fromStdString(last),
                                        kArchiveFilter, nullptr, QFileDialog::DontConfirmOverwrite)
        .toStdString();
  };
  chooseRecordings = [this] {
    QFileDialog dialog(m_owner, QString::fromUtf8("取り込む記録ﾃﾞｰﾀ"), QString(), kRecordingFilter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    const std::string& loaded = m_doc.recordingState().currentDataPath;
    if (!loaded.empty() && loaded != "ER") dialog.selectFile(QString::fromStdString(loaded));
    std::vector<std::string> paths;
    if (dialog.exec() == QDialog::Accepted)
      for (const QString& p : dialog.selectedFiles()) paths.push_back(p.toStdString());
    return paths;
  };
  chooseArchiveToOpen = [this](const std::string& last) {
    return QFileDialog::getOpenFileName(m_owner, QString::fromUtf8("ｱｰｶｲﾌﾞを開く"), QString::fromStdString(last),
                                        kArchiveFilter)
        .toStdString();
  };
}

void ArchiveMenu::importRecordings() {
  ArchiveImportCommand command(m_messages, setting());
  command.run({chooseArchiveForImport, chooseRecordings});
}

bool ArchiveMenu::openArchive() {
  const std::string path = chooseArchiveToOpen(setting().read());
  if (path.empty()) return false;
  std::string error;
  const std::unique_ptr<StationArchive> archive = StationArchive::open(path, ArchiveAccess::ReadOnly, error);
  std::vector<StationSummary> stations;
  if (!archive || !archive->stations(stations, error)) {
    m_messages.show(error, MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  CArchiveOpenDlg dialog(std::move(stations), m_messages, m_owner);
  if (dialog.exec() != QDialog::Accepted) return false;
  return openArchiveSpan(m_doc, *archive, dialog.station(), dialog.span(), m_messages);
}

void ArchiveMenu::offerAfterDownload(const std::string& path) {
  ArchiveImportCommand command(m_messages, setting());
  command.offerAfterDownload(path);
}
