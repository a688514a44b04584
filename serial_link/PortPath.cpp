#include "PortPath.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace tkcom {

namespace {

std::string homeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return home;
  // Services and CI jobs may run without HOME.
  struct passwd pw {};
  struct passwd* found = nullptr;
  char buffer[4096];
  if (getpwuid_r(getuid(), &pw, buffer, sizeof buffer, &found) == 0 && found != nullptr && found->pw_dir != nullptr)
    return found->pw_dir;
  return {};
}

}  // namespace

std::string portsDirectory() {
  const char* dir = std::getenv("TKCOM_PORT_DIR");
  if (dir != nullptr && dir[0] != '\0') return dir;
  std::string home = homeDirectory();
  if (home.empty()) return {};
  return home + "/.config/hyetoscope/ports";
}

std::string devicePathForPort(unsigned port) {
  char name[16];
  std::snprintf(name, sizeof name, "COM%u", port);
  std::string dir = portsDirectory();
  if (!dir.empty()) {
    std::string link = dir + "/" + name;
    struct stat st {};
    if (lstat(link.c_str(), &st) == 0) return link;
  }
  if (port >= 1 && port <= 4) return "/dev/ttyUSB" + std::to_string(port - 1);
  if (port >= 5 && port <= 8) return "/dev/ttyS" + std::to_string(port - 5);
  if (port == 9) return "/dev/ttyACM0";
  return {};
}

}  // namespace tkcom
