#pragma once
// RecentFileList: the four data files most recently opened, newest first,
// and the numbered texts the file menu shows for them. Plain list logic: the
// main frame keeps it in the settings ("Recent File List", File1..File4)
// and builds the menu entries; it does not look at the files themselves.

#include <string>
#include <vector>

class RecentFileList {
 public:
  static constexpr int kSize = 4;

  // Puts path first; a path already listed moves up, the fifth falls off.
  void add(const std::string& path);
  void remove(const std::string& path);
  // Takes stored entries in order, skipping empty ones and repeats.
  void setPaths(const std::vector<std::string>& paths);
  const std::vector<std::string>& paths() const { return m_paths; }

  // "&1 /path/to/file.hyy": the number is the mnemonic; ampersands in the
  // path are doubled so they show as themselves.
  static std::string menuText(int index, const std::string& path);

 private:
  std::vector<std::string> m_paths;
};
