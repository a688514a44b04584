#include "FuzzSupport.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <vector>

namespace fuzz {

void useProgramClock() {
  static const bool once = [] {
    setenv("TZ", "JST-9", 1);
    tzset();
    return true;
  }();
  (void)once;
}

namespace {
struct Scratch {
  std::string path;
  Scratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "hy-fuzz-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) std::abort();
    path = name.data();
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};
}  // namespace

const std::string& scratchFolder() {
  static const Scratch scratch;
  return scratch.path;
}

bool writeWholeFile(const std::string& path, const uint8_t* data, size_t size) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  bool ok = true;
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n <= 0) {
      ok = false;
      break;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return ::close(fd) == 0 && ok;
}

}  // namespace fuzz
