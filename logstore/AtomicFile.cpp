#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace logstore {

AtomicFile::~AtomicFile() { abandon(); }

bool AtomicFile::begin(const std::string& target) {
  abandon();
  if (target.empty()) return false;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return false;
  // The temporary name is short and fixed in length, so a target whose name
  // is at the file-name limit still gets one beside it.
  const size_t slash = target.rfind('/');
  std::string pattern = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + ".hy-tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  m_target = target;
  m_tempPath = name.data();
  m_fd = fd;
  return true;
}

bool AtomicFile::write(const void* data, size_t size) {
  if (m_fd < 0) return false;
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = ::write(m_fd, p, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool AtomicFile::commit() {
  if (m_fd < 0) return false;
  struct stat st {};
  mode_t mode;
  if (::stat(m_target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok = ::fchmod(m_fd, mode) == 0 && ::fsync(m_fd) == 0;
  ok = (::close(m_fd) == 0) && ok;
  m_fd = -1;
  if (ok && ::rename(m_tempPath.c_str(), m_target.c_str()) == 0) {
    m_tempPath.clear();
    return true;
  }
  ::unlink(m_tempPath.c_str());
  m_tempPath.clear();
  return false;
}

void AtomicFile::abandon() {
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
  if (!m_tempPath.empty()) {
    ::unlink(m_tempPath.c_str());
    m_tempPath.clear();
  }
}

}  // namespace logstore
