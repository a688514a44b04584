// Downloading 29 blocks from the simulated logger through TKCom1 on a line
// paced at 9600 baud x 10, against the pure line time of the bytes
// (bytes x 10 bits / baud): the library should add no waiting of its own.
// A second case measures the processor time a writer spends waiting while
// the line is busy (the far end takes 9600 bytes/s).
#include "LoggerSimulator.h"
#include "TKCom1.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kBlocks = 29;
constexpr double kPace = 10;
constexpr double kBaud = 9600 * kPace;

double threadCpuSeconds() {
  timespec ts {};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
}

std::string makeTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "hybench-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) return {};
  return name.data();
}

void Download29Blocks(benchmark::State& state) {
  std::string dir = makeTempDir();
  setenv("TKCOM_PORT_DIR", dir.c_str(), 1);
  LoggerRecording recording;
  recording.startTime = 1700000000;
  recording.samples.assign(kBlocks * 2048 - 100, 0);
  for (size_t i = 0; i < recording.samples.size(); ++i) recording.samples[i] = static_cast<uint16_t>(i % 7);
  recording.elapsed = static_cast<uint32_t>(recording.samples.size() * 600);
  SimulatorOptions options;
  options.portsDir = dir;
  options.port = 1;
  options.pace = kPace;
  LoggerSimulator sim(LoggerDevice(LoggerSettings{}, recording), options);
  if (!sim.start()) {
    state.SkipWithError("simulator did not start");
    return;
  }
  TKHandle h = TKOpenComm(1, 4096, 4096);
  if (h == 0) {
    state.SkipWithError("cannot open COM1");
    return;
  }
  static uint8_t buf[TK_BUFFER_SIZE];
  static BaseDataRecord base;
  double measured = 0, cpu = 0;
  int failures = 0;
  for (auto _ : state) {
    const uint8_t frame[6] = {0x21, 0, 0, 0, 0, 0x21};
    TKPutROM(h, frame, 6);
    if (TKGetInfo(h, buf, TK_BASE_DATA_SIZE) != 1) ++failures;
    auto t0 = Clock::now();
    double c0 = threadCpuSeconds();
    for (int k = 0; k < kBlocks; ++k) {
      const uint8_t request = 0x1B;
      if (TKWriteComm(h, &request, 1) != 1 || TKGetSaveData(h, &base) != 1) ++failures;
    }
    measured += std::chrono::duration<double>(Clock::now() - t0).count();
    cpu += threadCpuSeconds() - c0;
  }
  TKCloseComm(&h);
  sim.stop();
  std::filesystem::remove_all(dir);
  double runs = static_cast<double>(state.iterations());
  double line = kBlocks * 4096.0 * 10 / kBaud;
  state.counters["line_s"] = line;
  state.counters["measured_s"] = measured / runs;
  state.counters["ratio"] = measured / runs / line;
  state.counters["reader_cpu_ms"] = cpu / runs * 1000;
  state.counters["failures"] = failures;
}

void WriterWaitOnBusyLine(benchmark::State& state) {
  std::string dir = makeTempDir();
  setenv("TKCOM_PORT_DIR", dir.c_str(), 1);
  int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  char name[128] = {};
  if (master < 0 || grantpt(master) || unlockpt(master) || ptsname_r(master, name, sizeof name) ||
      symlink(name, (dir + "/COM2").c_str()) != 0) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  TKHandle h = TKOpenComm(2, 4096, 4096);
  if (h == 0) {
    state.SkipWithError("cannot open COM2");
    return;
  }
  // The far end takes bytes at the line's rate: 96 bytes every 10 ms.
  std::atomic<bool> stop{false};
  std::thread far([&] {
    uint8_t sink[96];
    auto next = Clock::now();
    while (!stop) {
      next += std::chrono::milliseconds(10);
      std::this_thread::sleep_until(next);
      struct pollfd p {master, POLLIN, 0};
      if (poll(&p, 1, 0) > 0 && read(master, sink, sizeof sink) < 0) break;
    }
  });
  std::vector<uint8_t> chunk(4096, 0x5A);
  const int chunks = 20;
  double wall = 0, cpu = 0;
  long written = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    double c0 = threadCpuSeconds();
    for (int i = 0; i < chunks; ++i) written += TKWriteComm(h, chunk.data(), 4096);
    wall += std::chrono::duration<double>(Clock::now() - t0).count();
    cpu += threadCpuSeconds() - c0;
  }
  stop = true;
  far.join();
  TKCloseComm(&h);
  close(master);
  std::filesystem::remove_all(dir);
  double runs = static_cast<double>(state.iterations());
  state.counters["wall_s"] = wall / runs;
  state.counters["writer_cpu_ms"] = cpu / runs * 1000;
  state.counters["cpu_share_pct"] = 100.0 * cpu / wall;
  state.counters["bytes"] = static_cast<double>(written) / runs;
}

}  // namespace

BENCHMARK(Download29Blocks)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(WriterWaitOnBusyLine)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
