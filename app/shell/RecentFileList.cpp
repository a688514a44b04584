#include "RecentFileList.h"

#include <algorithm>

void RecentFileList::add(const std::string& path) {
  if (path.empty()) return;
  remove(path);
  m_paths.insert(m_paths.begin(), path);
  if (m_paths.size() > static_cast<size_t>(kSize)) m_paths.resize(kSize);
}

void RecentFileList::remove(const std::string& path) {
  m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
}

void RecentFileList::setPaths(const std::vector<std::string>& paths) {
  m_paths.clear();
  for (const std::string& p : paths) {
    if (p.empty() || std::find(m_paths.begin(), m_paths.end(), p) != m_paths.end()) continue;
    m_paths.push_back(p);
    if (m_paths.size() == static_cast<size_t>(kSize)) break;
  }
}

std::string RecentFileList::menuText(int index, const std::string& path) {
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (char c : path) {
    text += c;
    if (c == '&') text += '&';
  }
  return text;
}
