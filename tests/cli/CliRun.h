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

// The same, started without waiting: the caller watches its output files
// while it runs (to interrupt it at the right moment) and then waits.
class RunningProgram {
 public:
  RunningProgram(const std::string& program, const std::vector<std::string>& arguments);
  ~RunningProgram();  // waits for the program if nobody did
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  std::string err() const;
  void signal(int number);
  CliResult wait();

 private:
  std::string m_dir;
  int m_pid = -1;
  bool m_waited = false;
  CliResult m_result;
};

std::string readWholeFile(const std::string& path);
