#pragma once
// ArchiveImportCommand: the window's import into a station archive, as
// plain logic - which archive and which recordings (asked through
// ArchiveImportChoices), one import per file (StationArchive's rules), a
// conflict offered for replacing as an explicit Yes/No, and one report of
// every file (imported, already imported, conflict with its first slots and
// count, refused with the program's own message). The archive used is
// remembered through ArchiveSetting; the offer after a download reads it.
//
// Owns nothing but the answers it was given; shows everything through the
// UserMessages of the window that runs it. No widget, no file dialog.

#include "ArchiveTypes.h"
#include "UserMessages.h"

#include <functional>
#include <string>
#include <vector>

struct ArchiveImportChoices {
  // The archive file to import into (a new one is made), starting from the
  // one used last (may be empty); empty when the user cancels.
  std::function<std::string(const std::string& last)> archive;
  // The recordings (HYY files); empty when the user cancels.
  std::function<std::vector<std::string>()> recordings;
};

// The archive last used (the settings' "Settings/ArchivePath").
struct ArchiveSetting {
  std::function<std::string()> read;
  std::function<void(const std::string&)> write;
};

class ArchiveImportCommand {
 public:
  ArchiveImportCommand(UserMessages& messages, ArchiveSetting setting)
      : m_messages(messages), m_setting(std::move(setting)) {}

  // The menu command. Returns whether anything was imported.
  bool run(const ArchiveImportChoices& choices);
  // After a download into path: when an archive is set, asks whether to add
  // the new recording to it (nothing is asked otherwise). Returns whether
  // it was imported.
  bool offerAfterDownload(const std::string& path);
  // Imports paths into the archive at archivePath and shows the report.
  // Returns how many files went in.
  int importFiles(const std::string& archivePath, const std::vector<std::string>& paths);

  // The report line of one file (UTF-8).
  static std::string reportLine(const std::string& path, const ImportResult& result);

 private:
  UserMessages& m_messages;
  ArchiveSetting m_setting;
};
