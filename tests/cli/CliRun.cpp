#include "CliRun.h"

#include "TempDir.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

namespace {
int spawn(const std::string& program, const std::vector<std::string>& arguments, const std::string& outFile,
          const std::string& errFile) {
  const std::string path = program.find('/') == std::string::npos ? std::string(HY_BIN_DIR) + "/" + program : program;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const bool started = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  return started ? pid : -1;
}

int waitFor(int pid) {
  int status = 0;
  if (pid <= 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
}  // namespace

CliResult runProgram(const std::string& program, const std::vector<std::string>& arguments) {
  TempDir dir;
  const std::string outFile = dir.file("out");
  const std::string errFile = dir.file("err");
  CliResult result;
  result.exitCode = waitFor(spawn(program, arguments, outFile, errFile));
  result.out = readWholeFile(outFile);
  result.err = readWholeFile(errFile);
  return result;
}

RunningProgram::RunningProgram(const std::string& program, const std::vector<std::string>& arguments) {
  char pattern[] = "/tmp/hy-run-XXXXXX";
  if (mkdtemp(pattern) != nullptr) m_dir = pattern;
  m_pid = spawn(program, arguments, m_dir + "/out", m_dir + "/err");
}

RunningProgram::~RunningProgram() {
  wait();
  std::filesystem::remove_all(m_dir);
}

std::string RunningProgram::err() const { return readWholeFile(m_dir + "/err"); }

void RunningProgram::signal(int number) {
  if (m_pid > 0 && !m_waited) kill(m_pid, number);
}

CliResult RunningProgram::wait() {
  if (!m_waited) {
    m_waited = true;
    m_result.exitCode = waitFor(m_pid);
    m_result.out = readWholeFile(m_dir + "/out");
    m_result.err = readWholeFile(m_dir + "/err");
  }
  return m_result;
}
