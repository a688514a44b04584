#include "HelpFile.h"

#include <system_error>

const char* const kHelpFileName = "Hyetoscope.html";
const char* const kHelpFailureText = "ヘルプファイル <Hyetoscope.chm> が起動できません。";

std::filesystem::path findHelpFile(const std::filesystem::path& programDir) {
  const std::filesystem::path candidates[] = {
      programDir / "help" / kHelpFileName,
      programDir / ".." / "share" / "hyetoscope" / "help" / kHelpFileName,
  };
  for (const auto& c : candidates) {
    std::error_code ec;
    // Normalised first: the program's folder need not exist for "..".
    const std::filesystem::path file = c.lexically_normal();
    if (std::filesystem::is_regular_file(file, ec)) return file;
  }
  return {};
}
