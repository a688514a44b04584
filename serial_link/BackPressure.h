#pragma once
// The writer's wait for room in the port's output queue. The queue depth
// comes from a probe so that the wait can be exercised against a simulated
// line as well as a real port. It owns nothing and keeps no state.
//
// Between two looks at the queue the wait sleeps for about the time the
// line needs to send the bytes that are still in the way, so a writer that
// waits for a busy line costs next to no processor time, and it wakes within
// a fraction of a millisecond of the moment the room is there.

#include <chrono>

namespace tkcom {

// Bytes waiting in the output queue, or a negative value when the port
// cannot tell (the wait then ends: the write itself will report the fault).
using QueueProbe = int (*)(void* context);

struct RoomWait {
  int needed = 0;       // bytes that must fit
  int capacity = 4096;  // size the queue is measured against
  int baud = 9600;      // the line's rate, for the length of a pause
  std::chrono::steady_clock::time_point deadline;
};

// Returns true when needed <= capacity - queued was seen before the
// deadline. polls, when given, receives how many times the queue was read.
bool waitForRoom(const RoomWait& wait, QueueProbe probe, void* context, int* polls = nullptr);

// The pause before the next look when excess bytes are still in the way.
std::chrono::microseconds pauseFor(int excess, int baud);

}  // namespace tkcom
