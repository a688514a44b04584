// The hy-logger-sim program: its fault options reach the logger (a busy
// port, a count the data file cannot hold, a strict logger), and a
// malformed option is refused with the usage text.
#include "TKCom1.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Running {
  pid_t pid = -1;
  FILE* out = nullptr;
  std::string firstLine;
};

Running start(const std::vector<std::string>& args) {
  int fds[2];
  Running r;
  if (pipe(fds) != 0) return r;
  r.pid = fork();
  if (r.pid == 0) {
    dup2(fds[1], 1);
    close(fds[0]);
    std::vector<char*> argv;
    std::string program = std::string(HY_BIN_DIR) + "/hy-logger-sim";
    argv.push_back(program.data());
    std::vector<std::string> copy = args;
    for (std::string& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(fds[1]);
  r.out = fdopen(fds[0], "r");
  char line[512] = {};
  if (r.out != nullptr && std::fgets(line, sizeof line, r.out) != nullptr) r.firstLine = line;
  return r;
}

int stop(Running& r) {
  if (r.pid > 0) kill(r.pid, SIGTERM);
  int status = 0;
  waitpid(r.pid, &status, 0);
  if (r.out != nullptr) std::fclose(r.out);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(LoggerSimProgram, FaultOptionsReachTheLoggerAndBadOnesAreRefused) {
  TempDir dir;
  setenv("TKCOM_PORT_DIR", dir.path().c_str(), 1);
  Running busy = start({"--port", "5", "--ports-dir", dir.path().string(), "--busy", "--strict", "--strict-scale",
                        "0.2", "--count", "59873", "--reply-delay", "30:300", "--reply-delay", "1B:50",
                        "--hang-up-block", "1:1000", "--stall-block", "2:10", "--hang-up-on", "22",
                        "--short-probe", "5", "--short-rom", "60", "--rom-tail", "--start-time", "0",
                        "--elapsed", "600"});
  EXPECT_NE(busy.firstLine.find("logger on COM5"), std::string::npos) << busy.firstLine;
  EXPECT_EQ(TKOpenComm(5, 4096, 4096), 0) << "the port is locked";
  EXPECT_EQ(stop(busy), 0);

  Running free = start({"--port", "5", "--ports-dir", dir.path().string(), "--invalid-probe"});
  TKHandle h = TKOpenComm(5, 4096, 4096);
  EXPECT_NE(h, 0);
  TKCloseComm(&h);
  EXPECT_EQ(stop(free), 0);

  Running bad = start({"--port", "5", "--ports-dir", dir.path().string(), "--reply-delay", "30"});
  EXPECT_EQ(stop(bad), 2);
}

}  // namespace
