#pragma once
// A file written beside its target under a temporary name that replaces the
// target in one rename when complete. Until commit the target is untouched;
// an AtomicFile destroyed without commit removes its temporary file.

#include <cstddef>
#include <string>

#include "CLogstore1App.h"  // LOGSTORE1_API

namespace logstore {

class LOGSTORE1_API AtomicFile {
 public:
  AtomicFile() = default;
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary file in the target's folder. False when the folder
  // cannot be written.
  bool begin(const std::string& target);
  bool write(const void* data, size_t size);
  // Flushes to disk and renames over the target, keeping an existing
  // target's permission bits.
  bool commit();
  void abandon();

 private:
  std::string m_target;
  std::string m_tempPath;
  int m_fd = -1;
};

}  // namespace logstore
