#pragma once
// A private home folder for the whole test program: HOME, XDG_CONFIG_HOME and
// XDG_DATA_HOME point into it, so every settings and data path the program
// computes lies there, never in the user's. Call privateHome() before the
// QApplication exists (a namespace-scope constant does).

#include "TempDir.h"

#include <cstdlib>

struct PrivateHome {
  PrivateHome() {
    setenv("HOME", dir.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (dir.path() / "data").c_str(), 1);
  }
  TempDir dir;
};

inline PrivateHome& privateHome() {
  static PrivateHome home;
  return home;
}
