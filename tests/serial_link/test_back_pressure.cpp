// The writer's wait for room, against a simulated output queue that drains
// at the line's rate.
#include "BackPressure.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono;
using tkcom::RoomWait;

namespace {

struct DrainingQueue {
  steady_clock::time_point start = steady_clock::now();
  double initial = 0;       // bytes queued at start
  double bytesPerSecond = 0;

  static int probe(void* ctx) {
    auto* q = static_cast<DrainingQueue*>(ctx);
    double s = duration<double>(steady_clock::now() - q->start).count();
    double left = q->initial - q->bytesPerSecond * s;
    return left > 0 ? static_cast<int>(left + 0.999) : 0;
  }
};

int brokenProbe(void*) { return -1; }

TEST(BackPressure, WaitsUntilTheQueueHasDrainedFarEnoughWithFewLooks) {
  DrainingQueue q;
  q.initial = 4096;
  q.bytesPerSecond = 960;  // 9600 baud
  RoomWait w;
  w.needed = 48;  // 50 ms of line time
  w.deadline = steady_clock::now() + seconds(5);
  int polls = 0;
  auto t0 = steady_clock::now();
  EXPECT_TRUE(tkcom::waitForRoom(w, DrainingQueue::probe, &q, &polls));
  auto waited = steady_clock::now() - t0;
  EXPECT_GE(waited, milliseconds(45));
  // A spinning wait would look thousands of times in 50 ms.
  EXPECT_LE(polls, 60);
}

TEST(BackPressure, RoomAlreadyThereOrUnknownQueueDoesNotWait) {
  DrainingQueue q;
  q.initial = 100;
  RoomWait w;
  w.needed = 4096 - 100;
  w.deadline = steady_clock::now() + seconds(5);
  int polls = 0;
  EXPECT_TRUE(tkcom::waitForRoom(w, DrainingQueue::probe, &q, &polls));
  EXPECT_EQ(polls, 1);
  EXPECT_TRUE(tkcom::waitForRoom(w, brokenProbe, nullptr, &polls));
  EXPECT_EQ(polls, 1);
}

TEST(BackPressure, StuckQueueGivesUpAtTheDeadline) {
  DrainingQueue q;
  q.initial = 4096;
  q.bytesPerSecond = 0;  // flow control holds the line
  RoomWait w;
  w.needed = 1;
  w.deadline = steady_clock::now() + milliseconds(60);
  int polls = 0;
  EXPECT_FALSE(tkcom::waitForRoom(w, DrainingQueue::probe, &q, &polls));
  EXPECT_GE(steady_clock::now(), w.deadline);
  EXPECT_LE(polls, 300);
}

TEST(BackPressure, PauseFollowsTheExcessAtTheLineRate) {
  EXPECT_EQ(tkcom::pauseFor(1, 9600), microseconds(1041));
  EXPECT_EQ(tkcom::pauseFor(0, 9600), microseconds(200));
  EXPECT_EQ(tkcom::pauseFor(4096, 9600), microseconds(20000));
  EXPECT_EQ(tkcom::pauseFor(96, 0), microseconds(20000)) << "an unknown rate counts as 9600";
}

}  // namespace
