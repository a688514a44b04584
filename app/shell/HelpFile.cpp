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
    if (std::filesystem::is_regular_file(c, ec)) return c.lexically_normal();
  }
  return {};
}
