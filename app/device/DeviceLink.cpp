#include "DeviceLink.h"

#include <algorithm>

namespace device {

DeviceLink::DeviceLink(const DeviceTiming& timing, UiWait& wait, WorkerUi& ui)
    : m_timing(timing), m_wait(wait), m_ui(ui) {}

DeviceLink::~DeviceLink() {
  tellWorkerToQuit();
  // At exit nothing may paint any more: plain joins.
  if (m_current) m_leaving.push_back(std::move(m_current));
  for (auto& w : m_leaving) {
    w->events().quit.set();
    w->join();
  }
}

void DeviceLink::registerRequest(uint8_t code, WorkerRequest request) {
  std::lock_guard lock(m_tableMutex);
  m_table[code] = std::move(request);
}

WorkerRequest DeviceLink::requestFor(uint8_t code) const {
  std::lock_guard lock(m_tableMutex);
  auto it = m_table.find(code);
  return it == m_table.end() ? WorkerRequest{} : it->second;
}

void DeviceLink::handRequest(uint8_t code, TKHandle port) {
  portHandle.store(port);
  requestCode.store(code);
  requestPending.store(1);
}

bool DeviceLink::workerRunning() const { return m_current && !m_current->released(); }

void DeviceLink::reapFinished() {
  if (m_current && m_current->released()) m_leaving.push_back(std::move(m_current));
  std::erase_if(m_leaving, [](const std::unique_ptr<DeviceWorker>& w) {
    if (!w->finished()) return false;
    w->join();
    return true;
  });
}

bool DeviceLink::startWorkerIfNone() {
  if (workerRunning()) return false;
  reapFinished();
  if (!m_leaving.empty()) {
    m_wait.until([this] {
      return std::all_of(m_leaving.begin(), m_leaving.end(), [](const auto& w) { return w->finished(); });
    });
    reapFinished();
  }
  m_current = std::make_unique<DeviceWorker>(*this);
  m_events = m_current->sharedEvents();
  ++m_started;
  return true;
}

void DeviceLink::tellWorkerToQuit() {
  if (eventsCreated.load() != 1) return;
  if (m_current) {
    m_current->release();
    m_leaving.push_back(std::move(m_current));
  }
  if (m_events) m_events->quit.set();
}

int DeviceLink::waitForReply() {
  if (!m_events) return 0;
  for (int test = 1; test <= m_timing.replyTests; ++test) {
    if (m_events->reply.isSet()) {
      m_events->reply.reset();
      return test;
    }
    m_wait.sleep(m_timing.replyTestInterval);
  }
  return 0;
}

void DeviceLink::setCancel() {
  if (eventsCreated.load() == 1 && m_events) m_events->cancel.set();
}

void DeviceLink::setGo() {
  if (m_events) m_events->go.set();
}

void DeviceLink::joinWorkers() {
  reapFinished();
  if (m_current || !m_leaving.empty()) {
    m_wait.until([this] {
      if (m_current && !m_current->finished()) return false;
      return std::all_of(m_leaving.begin(), m_leaving.end(), [](const auto& w) { return w->finished(); });
    });
  }
  if (m_current) m_leaving.push_back(std::move(m_current));
  reapFinished();
}

void DeviceLink::waitForPortReleased() {
  m_wait.until([this] { return portHandle.load() == 0; });
}

}  // namespace device
