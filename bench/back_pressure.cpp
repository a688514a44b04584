// The writer's back-pressure wait against an output queue that drains at
// 9600 baud (960 bytes/s): how often it looks at the queue and how much
// processor time it spends while the line is busy. (A pseudo-terminal
// reports no output queue, so this runs the wait itself on a simulated one.)
#include "BackPressure.h"

#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

struct DrainingQueue {
  Clock::time_point start;
  double initial;
  double bytesPerSecond;
  static int probe(void* ctx) {
    auto* q = static_cast<DrainingQueue*>(ctx);
    double left = q->initial - q->bytesPerSecond * std::chrono::duration<double>(Clock::now() - q->start).count();
    return left > 0 ? static_cast<int>(left + 0.999) : 0;
  }
};

double threadCpuSeconds() {
  timespec ts {};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
}

// Waits for room for `needed` bytes behind a full 4096-byte queue.
void WaitForRoomOnBusyLine(benchmark::State& state) {
  const int needed = static_cast<int>(state.range(0));
  double wall = 0, cpu = 0;
  long polls = 0;
  for (auto _ : state) {
    DrainingQueue q{Clock::now(), 4096, 960};
    tkcom::RoomWait w;
    w.needed = needed;
    w.deadline = Clock::now() + std::chrono::seconds(20);
    int looks = 0;
    double c0 = threadCpuSeconds();
    auto t0 = Clock::now();
    tkcom::waitForRoom(w, DrainingQueue::probe, &q, &looks);
    wall += std::chrono::duration<double>(Clock::now() - t0).count();
    cpu += threadCpuSeconds() - c0;
    polls += looks;
  }
  double runs = static_cast<double>(state.iterations());
  state.counters["line_wait_ms"] = needed * 1000.0 / 960;
  state.counters["waited_ms"] = wall / runs * 1000;
  state.counters["cpu_ms"] = cpu / runs * 1000;
  state.counters["looks"] = static_cast<double>(polls) / runs;
}

}  // namespace

BENCHMARK(WaitForRoomOnBusyLine)->Arg(6)->Arg(96)->Arg(960)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
