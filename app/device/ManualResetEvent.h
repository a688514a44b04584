#pragma once
// ManualResetEvent: a flag two threads can set, clear, test and wait for.
// Once set it stays set until someone resets it (every waiter sees it).
// A mutex and a condition variable; waiting for either of two events also
// uses one condition variable that every set() notifies.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace device {

class ManualResetEvent {
 public:
  void set();
  void reset();
  bool isSet() const;
  // Waits until the event is set or timeout passed; true when it is set.
  bool waitFor(std::chrono::milliseconds timeout) const;
  // Waits until either event is set or timeout passed; true when one is.
  static bool waitForEither(const ManualResetEvent& a, const ManualResetEvent& b, std::chrono::milliseconds timeout);

 private:
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  bool m_set = false;
};

}  // namespace device
