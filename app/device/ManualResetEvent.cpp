#include "ManualResetEvent.h"

namespace device {

namespace {
// Wakes whoever waits for either of two events. Lock order: this mutex,
// then an event's own; set() never holds its own while taking this one.
std::mutex eitherMutex;
std::condition_variable eitherChanged;
}  // namespace

void ManualResetEvent::set() {
  {
    std::lock_guard lock(m_mutex);
    m_set = true;
  }
  m_changed.notify_all();
  // Taken so that a waiter between its test and its wait cannot miss this.
  { std::lock_guard lock(eitherMutex); }
  eitherChanged.notify_all();
}

bool ManualResetEvent::waitForEither(const ManualResetEvent& a, const ManualResetEvent& b,
                                     std::chrono::milliseconds timeout) {
  std::unique_lock lock(eitherMutex);
  return eitherChanged.wait_for(lock, timeout, [&] { return a.isSet() || b.isSet(); });
}

void ManualResetEvent::reset() {
  std::lock_guard lock(m_mutex);
  m_set = false;
}

bool ManualResetEvent::isSet() const {
  std::lock_guard lock(m_mutex);
  return m_set;
}

bool ManualResetEvent::waitFor(std::chrono::milliseconds timeout) const {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [this] { return m_set; });
}

}  // namespace device
