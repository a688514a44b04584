#include "CliDrawingProgram.h"

#include "CliExit.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#ifndef HY_CLI_DRAW_RELATIVE_DIR
#define HY_CLI_DRAW_RELATIVE_DIR "../libexec/hyetoscope"
#endif

std::vector<std::string> drawingProgramCandidates(const std::string& selfPath) {
  const std::filesystem::path dir = std::filesystem::path(selfPath).parent_path();
  return {(dir / kDrawingProgramName).string(),
          (dir / HY_CLI_DRAW_RELATIVE_DIR / kDrawingProgramName).lexically_normal().string()};
}

int execDrawingProgram(char** argv) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return cliFail(kExitNoDrawingProgram, "cannot find the tool's own folder: " + error.message());
  int lastError = ENOENT;
  std::string tried;
  for (const std::string& candidate : drawingProgramCandidates(self.string())) {
    if (access(candidate.c_str(), X_OK) != 0) {
      tried += (tried.empty() ? "" : ", ") + candidate;
      continue;
    }
    execv(candidate.c_str(), argv);
    lastError = errno;
    tried += (tried.empty() ? "" : ", ") + candidate;
  }
  return cliFail(kExitNoDrawingProgram, std::string("cannot start the drawing program (") + tried +
                                 "): " + std::strerror(lastError));
}
