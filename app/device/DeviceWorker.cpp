#include "DeviceWorker.h"

#include "DeviceLink.h"

namespace device {

bool WorkerContext::readReply(int count) {
  return TKGetInfo(m_link.portHandle.load(), m_buffer.data(), count) == 1;
}

void WorkerContext::closePort() {
  TKHandle h = m_link.portHandle.load();
  if (h != 0) TKCloseComm(&h);
  m_link.portHandle.store(h);
}

void WorkerContext::finish() {
  m_events.quit.set();
  m_worker.release();
}

void WorkerContext::sleep(std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); }

DeviceWorker::DeviceWorker(DeviceLink& link) : m_link(link), m_events(std::make_shared<WorkerEvents>()) {
  m_link.eventsCreated.store(1);
  m_thread = std::thread([this] { run(); });
}

DeviceWorker::~DeviceWorker() { join(); }

void DeviceWorker::join() {
  if (m_thread.joinable()) m_thread.join();
}

void DeviceWorker::run() {
  WorkerEvents& ev = *m_events;
  const DeviceTiming& timing = m_link.timing();
  auto context = std::make_unique<WorkerContext>(m_link, *this, ev);
  for (;;) {
    // A worker told to quit serves nothing more, whatever is pending: the
    // request may already be meant for its successor.
    if (ev.quit.isSet()) break;
    if (m_link.requestPending.load() == 0) {
      // GoEvent ends the look as QuitEvent does: the request is served at
      // once, not up to a whole look later.
      ManualResetEvent::waitForEither(ev.quit, ev.go, timing.workerIdlePoll);
      if (ev.quit.isSet()) break;
      if (ev.go.isSet()) {
        m_link.requestPending.store(1);
        ev.go.reset();
      }
      continue;
    }
    const uint8_t code = m_link.requestCode.load();
    WorkerRequest request = m_link.requestFor(code);
    if (request.serve) request.serve(*context);
    m_served.fetch_add(1);
    std::this_thread::sleep_for(timing.beforeFollowUp);
    // Every follow-up starts by clearing the request it follows, so that no
    // later worker serves it again.
    m_link.requestPending.store(0);
    if (request.followUp) request.followUp(*context);
  }
  ev.quit.reset();
  context.reset();
  m_finished.store(true);
}

}  // namespace device
