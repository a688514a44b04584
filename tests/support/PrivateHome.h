#pragma once
// A private home folder for widget tests of the whole program: HOME and the
// XDG config and data folders point into a fresh temporary folder, so every
// settings and desktop-data path the program computes lies there, never in
// the user's. Create it before the program reads any path (a test file's
// static initialisation does).

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

// The one private home of a test program.
inline PrivateHome& privateHome() {
  static PrivateHome home;
  return home;
}
