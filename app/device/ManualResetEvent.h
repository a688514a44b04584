#pragma once
// ManualResetEvent: a flag two threads can set, clear, test and wait for.
// Once set it stays set until someone resets it (every waiter sees it).
// A mutex and a condition variable; nothing else shares state with it.

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

 private:
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  bool m_set = false;
};

}  // namespace device
