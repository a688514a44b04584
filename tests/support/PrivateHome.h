#pragma once
// For tests that start the program's window: HOME, the XDG settings and
// data folders and the single-instance socket name point at a folder of
// this test process, so nothing of the user's is read, written or answered.
// Call privateHome() before the QApplication exists (a namespace-scope
// initialiser does).

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

inline PrivateHome& privateHome() {
  static PrivateHome home;
  return home;
}
