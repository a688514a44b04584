#include "ArchiveFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
uint32_t bigEndian32(const unsigned char* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
}  // namespace

ArchiveFileKind inspectArchiveFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? ArchiveFileKind::Absent : ArchiveFileKind::Unreadable;
  if (!S_ISREG(info.st_mode)) return ArchiveFileKind::Unreadable;
  if (info.st_size == 0) return ArchiveFileKind::Empty;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ArchiveFileKind::Unreadable;
  unsigned char header[100];
  const ssize_t got = ::read(fd, header, sizeof header);
  ::close(fd);
  if (got < 0) return ArchiveFileKind::Unreadable;
  static const char kMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
  if (got < 16 || std::memcmp(header, kMagic, 16) != 0) return ArchiveFileKind::NotSqlite;
  if (got < 100) return ArchiveFileKind::Truncated;
  // The page size (1 stands for 65,536) and, when the change counters agree,
  // the number of pages the file should hold.
  const uint32_t rawPageSize = uint32_t(header[16]) << 8 | header[17];
  const int64_t pageSize = rawPageSize == 1 ? 65536 : rawPageSize;
  if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) return ArchiveFileKind::NotSqlite;
  if (info.st_size % pageSize != 0) return ArchiveFileKind::Truncated;
  // While a write-ahead log lies beside it the file is in use (or awaits
  // recovery) and a checkpoint may be growing it page by page; SQLite reads
  // such a file whole from both.
  struct stat wal {};
  if (::stat((path + "-wal").c_str(), &wal) == 0) return ArchiveFileKind::Database;
  const uint32_t pages = bigEndian32(header + 28);
  const bool pagesValid = pages != 0 && bigEndian32(header + 24) == bigEndian32(header + 92);
  if (pagesValid && info.st_size < int64_t(pages) * pageSize) return ArchiveFileKind::Truncated;
  return ArchiveFileKind::Database;
}
