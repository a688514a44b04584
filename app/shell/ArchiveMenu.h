#pragma once
// ArchiveMenu: the main window's station-archive commands with their Qt
// side - the file dialogs that choose the archive and the recordings, the
// archive remembered in the settings ("Settings/ArchivePath": the archive
// the last import went into), the open dialog - over the plain logic of
// ArchiveImportCommand and ArchiveOpenCommand.
//
// Owns nothing of the document or the messages; the dialogs it shows belong
// to the owner window.

#include "ArchiveImportCommand.h"

#include <functional>
#include <string>
#include <vector>

class CHyetoscopeDoc;
class QWidget;

class ArchiveMenu {
 public:
  ArchiveMenu(CHyetoscopeDoc& doc, UserMessages& messages, QWidget* owner);

  // "ﾃﾞｰﾀをｱｰｶｲﾌﾞに取り込む...": an archive (a new name makes one), then
  // the recordings (the loaded one offered first), then the report.
  void importRecordings();
  // "ｱｰｶｲﾌﾞを開く...": an archive, then a station and a span, shown in
  // the chart. Returns whether a span was opened.
  bool openArchive();
  // After a download into path: the offer to add it to the archive set.
  void offerAfterDownload(const std::string& path);

  // The archive remembered in the settings.
  static ArchiveSetting setting();

  // The file choices; file dialogs unless replaced (tests).
  std::function<std::string(const std::string& last)> chooseArchiveForImport;
  std::function<std::vector<std::string>()> chooseRecordings;
  std::function<std::string(const std::string& last)> chooseArchiveToOpen;

 private:
  CHyetoscopeDoc& m_doc;
  UserMessages& m_messages;
  QWidget* m_owner;
};
