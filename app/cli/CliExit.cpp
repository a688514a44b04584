#include "CliExit.h"

#include <cstdio>

int cliFail(int code, const std::string& text) {
  std::fprintf(stderr, "hyetoscope-cli: %s\n", text.c_str());
  return code;
}
