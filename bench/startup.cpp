// Time from starting the program with the long sample to its first painted
// window, on the offscreen platform. The program prints the monotonic time
// of its first complete paint (HY_EXIT_AFTER_FIRST_PAINT) and quits; the
// figure is that time minus the moment just before the process was spawned.
// Settings and desktop data go to a private folder.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {
long long monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::string privateHome() {
  static std::string home = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "hybench-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    return std::string(mkdtemp(name.data()) ? name.data() : "/tmp");
  }();
  return home;
}

// Runs the program once; returns the start-to-first-paint time in seconds,
// or a negative value when it did not report a paint.
double runOnce(const std::string& program, const std::string& file) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

  const std::string home = privateHome();
  std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", "HY_EXIT_AFTER_FIRST_PAINT=1", "HOME=" + home,
                               "XDG_CONFIG_HOME=" + home + "/config", "XDG_DATA_HOME=" + home + "/data",
                               "XDG_RUNTIME_DIR=" + home,
                               // Never handed to a program the user has running.
                               "HY_INSTANCE_NAME=hyetoscope-bench-" + std::to_string(getpid())};
  if (const char* path = std::getenv("PATH")) env.push_back(std::string("PATH=") + path);
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(file.c_str()), nullptr};

  pid_t pid = 0;
  const long long start = monotonicNs();
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (rc != 0) {
    close(pipeFds[0]);
    return -1;
  }
  std::string out;
  char buf[256];
  ssize_t n = 0;
  while ((n = read(pipeFds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  const auto at = out.find("first-paint-ns ");
  if (at == std::string::npos) return -1;
  const long long painted = std::atoll(out.c_str() + at + 15);
  return static_cast<double>(painted - start) / 1e9;
}

void BM_StartToFirstPaint(benchmark::State& state) {
  const std::string program = std::string(HY_BIN_DIR) + "/hyetoscope";
  const std::string file = std::string(HY_SAMPLES_DIR) + "/long-2024-0.5mm.hyy";
  for (auto _ : state) {
    const double seconds = runOnce(program, file);
    if (seconds < 0) {
      state.SkipWithError("the program did not report its first paint");
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_StartToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
}  // namespace

BENCHMARK_MAIN();
