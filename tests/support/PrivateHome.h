#pragma once
// A private home folder for widget tests of the whole program: HOME and the
// XDG config and data folders point into a fresh temporary folder, so every
// settings and desktop-data path the program computes lies there, never in
// the user's; the single-instance socket name is this test process's own,
// so a test never hands files to (or takes them from) a program the user
// runs. Create it before the program reads any path (a test file's static
// initialisation does).

#include "TempDir.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

struct PrivateHome {
  PrivateHome() {
    setenv("HOME", dir.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (dir.path() / "data").c_str(), 1);
    setenv("HY_INSTANCE_NAME", ("hyetoscope-test-" + std::to_string(::getpid())).c_str(), 1);
  }
  TempDir dir;
};

// The one private home of a test program.
inline PrivateHome& privateHome() {
  static PrivateHome home;
  return home;
}
