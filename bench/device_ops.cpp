// Device operations at the real pace, against the simulated logger through
// TKCom1, with the program's own waits (local event loops on the Qt side):
//   download   wall time to "記録吸い上げが終了しました。" for 1 and 5 blocks at
//              9600 baud and 29 blocks at pace 10, against the protocol's
//              prediction (fixed waits + per block 100 ms + 4096 x 10 / baud)
//   heartbeat  the largest gap of a 10 ms timer on the user-interface
//              thread during each download, a no-logger check and a detection
//   cancel     cancel pressed mid-block to the dialog's end, in block times
//   cpu        processor time of the whole process during a no-logger check
//   leaks      threads and descriptors before and after 50 downloads and
//              checks on a fast clock
//   cli        hyetoscope-cli download as a process, 1, 3 and 5 blocks at
//              9600 baud against the strict logger: start-up (start to the
//              first byte on the line), the protocol (to the finish
//              message) and the end (to the exit), against the prediction;
//              HY_CLI names another build of the tool to compare;
//              HY_TRACE=1 adds when each command and stderr line came
// Usage: bench_device_ops [download|check|detect|cancel|leaks|cli]... (default all)
#include "CheckConnection.h"
#include "CLogstore1App.h"
#include "DeviceTexts.h"
#include "DownloadOperation.h"
#include "LoggerSimulator.h"
#include "PortSelection.h"
#include "QtDeviceUi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>

extern char** environ;

namespace {

using namespace device;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Records the time of every message; answers Yes to questions.
struct TimedMessages : UserMessages {
  MessageAnswer show(const std::string& text, MessageIcon, MessageButtons buttons) override {
    texts.push_back(text);
    at.push_back(Clock::now());
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  std::vector<std::string> texts;
  std::vector<Clock::time_point> at;
};

struct EndUi : DownloadDialogUi {
  void setButtons(bool, bool, bool) override {}
  void setStatus(const std::string&) override {}
  void setProgress(int p) override { progress = p; }
  void showNormal() override {}
  void endDialog() override { ended = true; }
  int progress = 0;
  bool ended = false;
};

// The largest gap between two ticks of a 10 ms timer while it runs.
struct Heartbeat {
  Heartbeat() {
    QObject::connect(&timer, &QTimer::timeout, [this] {
      const auto now = Clock::now();
      if (last != Clock::time_point{}) worst = std::max(worst, now - last);
      last = now;
    });
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(10);
  }
  double worstMs() const { return std::chrono::duration<double, std::milli>(worst).count(); }
  QTimer timer;
  Clock::time_point last{};
  Clock::duration worst{};
};

struct Bench {
  explicit Bench(const DeviceTiming& timing) : ui(messages), link(timing, ui, ui) {
    dir = fs::temp_directory_path() / ("hy-device-bench-" + std::to_string(getpid()));
    fs::create_directories(dir / "data");
    setenv("TKCOM_PORT_DIR", dir.c_str(), 1);
    target = (dir / "data" / "new.hyy").string();
    logstore::CLogstore1App::SetFileChooser([this](logstore::ChooserPurpose) { return target; });
  }
  ~Bench() {
    link.joinWorkers();
    sims.clear();
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  LoggerSimulator& logger(int port, int count, double pace, bool answers = true, bool validProbe = true,
                          bool strict = false) {
    LoggerSettings settings;
    std::memcpy(settings.name.data(), "BENCH", 5);
    LoggerRecording recording;
    recording.startTime = 1700000400;
    recording.elapsed = static_cast<uint32_t>(count) * 600;
    recording.samples.assign(static_cast<size_t>(count), 3);
    LoggerDevice device(settings, recording);
    LoggerFaults faults;
    faults.noAnswer = !answers;
    faults.invalidProbe = !validProbe;
    faults.strict = strict;
    device.setFaults(faults);
    SimulatorOptions options;
    options.portsDir = dir.string();
    options.port = port;
    options.pace = pace;
    sims.push_back(std::make_unique<LoggerSimulator>(device, options));
    sims.back()->start();
    return *sims.back();
  }
  // One download on COM1; returns start to the finish message.
  double download(EndUi& view, const std::function<void(DownloadOperation&)>& during = {}) {
    RecordingState state;
    DownloadOptions options;
    options.port = 1;
    DownloadOperation op(link, state, view, options);
    op.onInit();
    messages.texts.clear();
    messages.at.clear();
    const auto start = Clock::now();
    op.onStart();
    if (during) during(op);
    // A failure of the start sequence returns the dialog to Ready instead.
    ui.until([&] { return view.ended || op.phase() == DownloadOperation::Phase::Ready; });
    link.joinWorkers();
    for (size_t i = 0; i < messages.texts.size(); ++i)
      if (messages.texts[i] == kTextDownloadFinished) return seconds(messages.at[i] - start);
    return -1;
  }

  TimedMessages messages;
  QtDeviceUi ui;
  DeviceLink link;
  fs::path dir;
  std::string target;
  std::vector<std::unique_ptr<LoggerSimulator>> sims;
};

double predictedSeconds(const DeviceTiming& t, int blocks, double pace) {
  using std::chrono::duration;
  const double fixed = duration<double>(t.afterLeadIn + 2 * t.afterFrame      // check: lead-in, probe, request
                                        + t.afterLeadIn + t.afterFrame         // ROM frame
                                        + t.replyTestInterval                  // one failed test of the reply
                                        + 2 * t.afterFrame + t.beforeGo)       // base-data frame, request, go
                           .count();
  const double perBlock = duration<double>(t.beforeBlockRequest).count() + 4096.0 * 10 / (9600 * pace);
  return fixed + blocks * perBlock;
}

void downloads() {
  std::printf("download: wall time to the finish message against the protocol's prediction\n");
  struct Case {
    int blocks;
    double pace;
  };
  for (Case c : {Case{1, 1}, Case{5, 1}, Case{29, 10}}) {
    Bench b(kDeviceTiming);
    b.logger(1, c.blocks * 2048 - 1, c.pace);
    Heartbeat beat;
    EndUi view;
    const double wall = b.download(view);
    const double predicted = predictedSeconds(kDeviceTiming, c.blocks, c.pace);
    std::printf("  %2d blocks at pace %-2g: %7.3f s, predicted %7.3f s, ratio %.4f; heartbeat worst gap %.1f ms\n",
                c.blocks, c.pace, wall, predicted, wall / predicted, beat.worstMs());
  }
}

double processCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

void noLoggerCheck() {
  Bench b(kDeviceTiming);
  b.logger(1, 10, 0, false);
  const double cpu0 = processCpuSeconds();
  const auto t0 = Clock::now();
  const int found = CheckConnection(b.link, 1);
  const double wall = seconds(Clock::now() - t0);
  const double cpu = processCpuSeconds() - cpu0;
  std::printf("check without a logger: result %d after %.3f s; process CPU %.3f s = %.2f %% of one core\n", found,
              wall, cpu, 100 * cpu / wall);
  Heartbeat beat;
  const auto t1 = Clock::now();
  CheckConnection(b.link, 1);
  std::printf("  again with the heartbeat: %.3f s, heartbeat worst gap %.1f ms\n", seconds(Clock::now() - t1),
              beat.worstMs());
}

void detection() {
  Bench b(kDeviceTiming);
  b.logger(1, 10, 1, false);
  b.logger(2, 10, 1, true);
  for (int p = 3; p <= kPortCount; ++p) fs::create_symlink("/nonexistent", b.dir / ("COM" + std::to_string(p)));
  int selected = 1;
  PortSelection selection(b.link, b.messages, selected, {[] { return 1; }, [](int) {}});
  Heartbeat beat;
  const auto t0 = Clock::now();
  const bool found = selection.onDetect();
  std::printf("detection (COM1 silent, logger on COM2): found %d on COM%d after %.3f s; heartbeat worst gap %.1f ms\n",
              found ? 1 : 0, selected, seconds(Clock::now() - t0), beat.worstMs());
}

void cancelLatency() {
  Bench b(kDeviceTiming);
  b.logger(1, 5 * 2048 - 1, 1);
  EndUi view;
  Clock::time_point pressed;
  b.download(view, [&](DownloadOperation& op) {
    // Half-way through block 2.
    b.ui.until([&] { return view.progress >= 200; });
    b.ui.sleep(std::chrono::milliseconds(2000));
    pressed = Clock::now();
    op.onCancel();
  });
  const double blockTime = 0.1 + 4096.0 * 10 / 9600;
  const double took = seconds(Clock::now() - pressed);
  std::printf("cancel mid-block 2 of 5 to the dialog's end: %.3f s = %.2f block times; blocks served %d\n", took,
              took / blockTime, b.sims.front()->counters().blocksServed);
}

int countEntries(const char* folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
  return n;
}

void leaks() {
  // A fast clock; the frame wait (the logger's window to answer) stays long
  // enough for a busy machine.
  DeviceTiming fast = kDeviceTiming.scaled(0.1);
  fast.afterFrame = std::chrono::milliseconds(200);
  Bench b(fast);
  b.logger(1, 100, 0);
  b.logger(2, 10, 0, true, false);  // a wrong probe reply: fails without the 10-s read
  const int threads0 = countEntries("/proc/self/task");
  const int fds0 = countEntries("/proc/self/fd");
  int finished = 0, checks = 0;
  for (int i = 0; i < 50; ++i) {
    EndUi view;
    if (b.download(view) > 0) ++finished;
    checks += CheckConnection(b.link, 1);
    CheckConnection(b.link, 2);
    b.link.joinWorkers();
  }
  std::printf("50 downloads (%d finished) and 100 checks (%d answered on COM1, COM2 always refused): threads %d -> %d, descriptors %d -> %d\n",
              finished, checks, threads0, countEntries("/proc/self/task"), fds0, countEntries("/proc/self/fd"));
}

// The tool beside this benchmark, or HY_CLI.
std::string cliPath() {
  if (const char* cli = std::getenv("HY_CLI")) return cli;
  return (fs::read_symlink("/proc/self/exe").parent_path() / "hyetoscope-cli").string();
}

// hyetoscope-cli download on COM1 as a process: when each of its standard
// error lines came, and when it ended.
struct CliRun {
  Clock::time_point start, exit;
  std::vector<std::pair<Clock::time_point, std::string>> lines;
  int status = -1;
};

CliRun runCliDownload(const std::string& target) {
  int out[2];
  CliRun run;
  if (pipe(out) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const std::string cli = cliPath();
  std::vector<std::string> args{cli, "download", "--port", "1", "--force", "-o", target};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  run.start = Clock::now();
  const int spawned = posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return run;
  }
  std::string line;
  char c = 0;
  while (read(out[0], &c, 1) == 1) {
    if (c != '\n') {
      line += c;
      continue;
    }
    run.lines.emplace_back(Clock::now(), line);
    line.clear();
  }
  close(out[0]);
  waitpid(pid, &run.status, 0);
  run.exit = Clock::now();
  return run;
}

void cliDownloads() {
  std::printf("cli: %s download, strict logger at pace 1, against the protocol's prediction\n", cliPath().c_str());
  for (int blocks : {1, 3, 5}) {
    Bench b(kDeviceTiming);
    LoggerSimulator& sim = b.logger(1, blocks * 2048 - 1, 1, true, true, true);
    const CliRun run = runCliDownload(b.target);
    Clock::time_point finished{};
    for (const auto& [at, text] : run.lines)
      if (text.find(kTextDownloadFinished) != std::string::npos) finished = at;
    const std::vector<ReceivedByte> log = sim.receivedLog();
    if (finished == Clock::time_point{} || log.empty() || run.status != 0) {
      std::printf("  %d blocks: no finished download (exit status %d, %zu bytes received)\n", blocks, run.status,
                  log.size());
      continue;
    }
    if (std::getenv("HY_TRACE")) {
      Clock::time_point prev = log.front().at;
      for (const ReceivedByte& r : log) {
        if (r.at - prev > std::chrono::milliseconds(5) || &r == &log.front())
          std::printf("    +%8.3f  byte %02x at %.3f\n", seconds(r.at - prev), r.value, seconds(r.at - run.start));
        prev = r.at;
      }
      for (const auto& [at, text] : run.lines) std::printf("    stderr at %.3f: %s\n", seconds(at - run.start), text.c_str());
    }
    // The worker's wait between the transfer and its ending (which closes
    // the port and ends the run) comes after the finish message.
    const double predicted = predictedSeconds(kDeviceTiming, blocks, 1);
    const double ending = std::chrono::duration<double>(kDeviceTiming.beforeFollowUp).count();
    const double total = seconds(run.exit - run.start);
    const double protocol = seconds(finished - log.front().at);
    std::printf("  %d blocks: %7.3f s = start-up %.3f s + protocol %.3f s (predicted %.3f s, ratio %.4f) + end "
                "%.3f s (%.3f s the wait before the ending); whole run %.4f x the prediction, %.4f x with that "
                "wait; strict logger ignored %d\n",
                blocks, total, seconds(log.front().at - run.start), protocol, predicted, protocol / predicted,
                seconds(run.exit - finished), ending, total / predicted, total / (predicted + ending),
                sim.counters().ignored);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // figures show as they come
  std::set<std::string> parts;
  for (int i = 1; i < argc; ++i) parts.insert(argv[i]);
  auto wanted = [&](const char* p) { return parts.empty() || parts.count(p) == 1; };
  if (wanted("leaks")) leaks();
  if (wanted("check")) noLoggerCheck();
  if (wanted("cancel")) cancelLatency();
  if (wanted("download")) downloads();
  if (wanted("detect")) detection();
  if (wanted("cli")) cliDownloads();
  return 0;
}
