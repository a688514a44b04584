#pragma once
// Runs hyetoscope-cli (or any program of the build) as a separate process,
// as a user or script would, and hands back its exit code and what it wrote.

#include <string>
#include <vector>

struct CliResult {
  int exitCode = -1;  // -1: did not exit normally
  std::string out;
  std::string err;
};

// program: a file name in the build's bin folder, or a path.
CliResult runProgram(const std::string& program, const std::vector<std::string>& arguments);
inline CliResult runCli(const std::vector<std::string>& arguments) {
  return runProgram("hyetoscope-cli", arguments);
}

std::string readWholeFile(const std::string& path);
