#include "BackPressure.h"

#include <algorithm>
#include <thread>

namespace tkcom {

namespace {

constexpr std::chrono::microseconds kShortestPause{200};
constexpr std::chrono::microseconds kLongestPause{20000};

}  // namespace

std::chrono::microseconds pauseFor(int excess, int baud) {
  if (baud <= 0) baud = 9600;
  // Ten bits per byte on an 8N1 line.
  long long us = static_cast<long long>(std::max(excess, 0)) * 10 * 1000000LL / baud;
  return std::clamp(std::chrono::microseconds(us), kShortestPause, kLongestPause);
}

bool waitForRoom(const RoomWait& wait, QueueProbe probe, void* context, int* polls) {
  int looks = 0;
  bool room = false;
  for (;;) {
    int queued = probe(context);
    ++looks;
    if (queued < 0 || wait.needed <= wait.capacity - queued) {
      room = true;
      break;
    }
    auto now = std::chrono::steady_clock::now();
    if (now >= wait.deadline) break;
    auto pause = pauseFor(wait.needed - (wait.capacity - queued), wait.baud);
    auto left = std::chrono::duration_cast<std::chrono::microseconds>(wait.deadline - now);
    std::this_thread::sleep_for(std::min(pause, left));
  }
  if (polls != nullptr) *polls = looks;
  return room;
}

}  // namespace tkcom
