#include "CliProgramParts.h"

#include "CliExit.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifndef HY_CLI_PARTS_RELATIVE_DIR
#define HY_CLI_PARTS_RELATIVE_DIR "../libexec/hyetoscope"
#endif

namespace {

constexpr const char* kDrawingProgramName = "hyetoscope-cli-draw";
constexpr const char* kTextPartName = "libhyetoscope-cli-text.so";
constexpr const char* kTextPartEntry = "hyetoscopeCliText";
constexpr const char* kChartPartName = "libhyetoscope-cli-chart.so";
constexpr const char* kChartPartEntry = "hyetoscopeCliChart";
constexpr const char* kArchivePartName = "libhyetoscope-cli-archive.so";
constexpr const char* kArchivePartEntry = "hyetoscopeCliArchive";

int fail(const char* what, const char* tried, const char* reason) {
  std::fprintf(stderr, "hyetoscope-cli: cannot %s (%s): %s\n", what, tried, reason);
  return kExitNoDrawingProgram;
}

// The candidates for a part's file, in order, and the list of them for
// messages. False when the front's own folder cannot be found.
struct Candidates {
  static constexpr int kLength = 2 * PATH_MAX;
  char paths[2][kLength];
  char tried[2 * kLength + 2];
};

bool findCandidates(const char* fileName, Candidates& c) {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return false;
  self[n] = '\0';
  char* slash = std::strrchr(self, '/');
  if (slash == nullptr) return false;
  *slash = '\0';
  const int beside = std::snprintf(c.paths[0], Candidates::kLength, "%s/%s", self, fileName);
  const int installed =
      std::snprintf(c.paths[1], Candidates::kLength, "%s/" HY_CLI_PARTS_RELATIVE_DIR "/%s", self, fileName);
  std::snprintf(c.tried, sizeof c.tried, "%s, %s", c.paths[0], c.paths[1]);
  return beside < Candidates::kLength && installed < Candidates::kLength;
}

}  // namespace

int execDrawingProgram(char** argv) {
  Candidates c;
  if (!findCandidates(kDrawingProgramName, c))
    return fail("start the drawing program", kDrawingProgramName, "the tool's own folder is unknown");
  int lastError = ENOENT;
  for (const char* path : c.paths) {
    if (access(path, X_OK) != 0) continue;
    execv(path, argv);
    lastError = errno;
  }
  return fail("start the drawing program", c.tried, std::strerror(lastError));
}

namespace {
int runLibraryPart(const char* partName, const char* entryName, const char* what, int argc, char** argv) {
  Candidates c;
  if (!findCandidates(partName, c)) return fail(what, partName, "the tool's own folder is unknown");
  const char* reason = "no such file";
  for (const char* path : c.paths) {
    if (access(path, R_OK) != 0) continue;
    void* part = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (part == nullptr) {
      reason = dlerror();
      continue;
    }
    using Entry = int (*)(int, char**);
    const auto entry = reinterpret_cast<Entry>(dlsym(part, entryName));
    if (entry == nullptr) return fail(what, path, dlerror());
    return entry(argc, argv);
  }
  return fail(what, c.tried, reason);
}
}  // namespace

int runTextPart(int argc, char** argv) {
  return runLibraryPart(kTextPartName, kTextPartEntry, "load the tool's text part", argc, argv);
}

int runChartPart(int argc, char** argv) {
  return runLibraryPart(kChartPartName, kChartPartEntry, "load the tool's chart part", argc, argv);
}

int runArchivePart(int argc, char** argv) {
  return runLibraryPart(kArchivePartName, kArchivePartEntry, "load the tool's archive part", argc, argv);
}
