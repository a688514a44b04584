#include "ManualResetEvent.h"

namespace device {

void ManualResetEvent::set() {
  {
    std::lock_guard lock(m_mutex);
    m_set = true;
  }
  m_changed.notify_all();
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
