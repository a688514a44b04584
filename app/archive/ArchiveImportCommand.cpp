#include "ArchiveImportCommand.h"

#include "CLogstore1App.h"
#include "FileImage.h"
#include "LoadFailureText.h"
#include "LocalTime.h"
#include "Sha256.h"
#include "StationArchive.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {

std::string mmText(int32_t tenths) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f mm", tenths / 10.0);
  return text;
}

std::string fileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

std::string ArchiveImportCommand::reportLine(const std::string& path, const ImportResult& r) {
  const std::string name = fileName(path);
  const std::string station = "観測所「" + r.station + "」";
  switch (r.status) {
    case ImportStatus::Imported: {
      std::string text = name + ": " + station + "に取り込みました (新しいｽﾛｯﾄ " + std::to_string(r.newSlots) +
                         "、同じ雨量で既にあるｽﾛｯﾄ " + std::to_string(r.equalSlots);
      if (r.replacedSlots > 0) text += "、置き換えたｽﾛｯﾄ " + std::to_string(r.replacedSlots);
      return text + ")";
    }
    case ImportStatus::AlreadyImported: return name + ": 取り込み済みです (" + station + ")";
    case ImportStatus::Conflict: {
      std::string text = name + ": " + station + "の " + std::to_string(r.conflictCount) +
                         " ｽﾛｯﾄが異なる雨量を持つため、取り込みませんでした:";
      for (const SlotConflict& c : r.conflicts)
        text += "\n    " + formatLocal(c.slotTime, "%Y/%m/%d %H:%M") + " ｱｰｶｲﾌﾞ " + mmText(c.archivedTenths) +
                "、ﾌｧｲﾙ " + mmText(c.incomingTenths);
      if (size_t(r.conflictCount) > r.conflicts.size()) text += "\n    ...";
      return text;
    }
    case ImportStatus::SeriesRefused: return name + ": 取り込めません (記録間隔が600秒ではありません)";
    case ImportStatus::NoStation: return name + ": 取り込めません (ﾃﾞｰﾀ名がありません)";
    case ImportStatus::Failed: return name + ": 取り込めません (" + r.message + ")";
  }
  return name;
}

bool ArchiveImportCommand::run(const ArchiveImportChoices& choices) {
  const std::string archivePath = choices.archive(m_setting.read ? m_setting.read() : std::string());
  if (archivePath.empty()) return false;
  const std::vector<std::string> paths = choices.recordings();
  if (paths.empty()) return false;
  return importFiles(archivePath, paths) > 0;
}

bool ArchiveImportCommand::offerAfterDownload(const std::string& path) {
  const std::string archivePath = m_setting.read ? m_setting.read() : std::string();
  if (archivePath.empty() || path.empty()) return false;
  const std::string text = "吸い上げた記録ﾃﾞｰﾀをｱｰｶｲﾌﾞ " + archivePath + " に追加しますか。";
  if (m_messages.show(text, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) return false;
  return importFiles(archivePath, {path}) > 0;
}

int ArchiveImportCommand::importFiles(const std::string& archivePath, const std::vector<std::string>& paths) {
  if (paths.empty()) return 0;
  std::string error;
  const std::unique_ptr<StationArchive> archive = StationArchive::open(archivePath, ArchiveAccess::ReadWrite, error);
  if (!archive) {
    m_messages.show(error, MessageIcon::Error, MessageButtons::Ok);
    return 0;
  }
  if (m_setting.write) m_setting.write(archivePath);
  auto image = std::make_unique<FileImage>();
  auto recording = std::make_unique<RecordingBuffer>();
  std::string report;
  int imported = 0;
  bool refused = false;
  for (const std::string& path : paths) {
    logstore::CLogstore1App store;
    if (store.BfileToBuff(path.c_str(), image->bytes) == 0) {
      report += fileName(path) + ": 取り込めません: " + loadFailureText(path, store.lastError()) + "\n";
      refused = true;
      continue;
    }
    copyFileImage(*image, *recording);
    const std::optional<std::string> sha = sha256OfFile(path);
    if (!sha) {
      report += fileName(path) + ": 取り込めません (読み出せません)\n";
      refused = true;
      continue;
    }
    ImportRequest request;
    request.recording = recording.get();
    request.sourcePath = path;
    request.sha256 = *sha;
    request.importTime = static_cast<int64_t>(std::time(nullptr));
    ImportResult result = archive->importRecording(request);
    // Replacing archived rain is the user's explicit choice, file by file.
    if (result.status == ImportStatus::Conflict &&
        m_messages.show(reportLine(path, result) + "\n\nﾌｧｲﾙの雨量で置き換えて取り込みますか。", MessageIcon::Question,
                        MessageButtons::YesNo) == MessageAnswer::Yes) {
      request.replace = true;
      result = archive->importRecording(request);
    }
    if (result.status == ImportStatus::Imported) ++imported;
    else if (result.status != ImportStatus::AlreadyImported) refused = true;
    report += reportLine(path, result) + "\n";
  }
  report.pop_back();
  m_messages.show("ｱｰｶｲﾌﾞ " + archivePath + " への取り込み:\n" + report,
                  refused ? MessageIcon::Exclamation : MessageIcon::Information, MessageButtons::Ok);
  return imported;
}
