#pragma once
// DeviceWorker: one thread that reads the logger's replies. The
// user-interface thread hands it a request through the DeviceLink (request
// code, pending flag, port handle) and it serves the request by the handler
// registered for that code, waits DeviceTiming::beforeFollowUp and runs the
// handler's follow-up, which first clears the pending flag.
//
// Idle, it looks at its events every DeviceTiming::workerIdlePoll, and at
// once when QuitEvent or GoEvent is set: QuitEvent ends it, GoEvent makes it
// serve the current request. Each worker creates its own four events and
// keeps them for its whole life, so a worker that was told to quit never
// serves a request meant for its successor; it also leaves at once when it
// finds its QuitEvent set, even with a request pending.
//
// The worker owns its thread and its reply buffer; it does not own the
// port (the DeviceLink holds the handle; whoever serves a request closes it
// as its operation says) nor anything of the operation that registered the
// handlers. Created and joined only by the DeviceLink.

#include "ManualResetEvent.h"
#include "TKCom1.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

namespace device {

class DeviceLink;
class DeviceWorker;

struct WorkerEvents {
  ManualResetEvent quit;    // ends an idle worker
  ManualResetEvent cancel;  // asks a download to stop at its next block
  ManualResetEvent go;      // makes an idle worker serve the current request
  ManualResetEvent reply;   // tells the waiting user-interface thread a reply was read
};

// What a handler gets while it runs on the worker.
class WorkerContext {
 public:
  WorkerContext(DeviceLink& link, DeviceWorker& worker, WorkerEvents& events)
      : m_link(link), m_worker(worker), m_events(events) {}
  DeviceLink& link() { return m_link; }
  WorkerEvents& events() { return m_events; }
  // 4096 bytes for TKGetInfo / TKReadComm.
  uint8_t* replyBuffer() { return m_buffer.data(); }
  // Reads count bytes of a reply from the link's port; false when short.
  bool readReply(int count);
  // Closes the link's port and stores the handle TKCloseComm left (0).
  void closePort();
  // Sets QuitEvent and forgets this worker as the running one
  // ("WorkerThread = null"): the next operation starts a new worker.
  void finish();
  void sleep(std::chrono::milliseconds duration);

 private:
  DeviceLink& m_link;
  DeviceWorker& m_worker;
  WorkerEvents& m_events;
  std::array<uint8_t, TK_BUFFER_SIZE> m_buffer{};
};

// One request code's work. serve reads the reply and acts on it; followUp
// runs beforeFollowUp later (the pending flag is already clear by then).
// Either may be empty. Both run on the worker thread and may capture an
// operation object that outlives every worker (the link joins its workers
// before the operation ends).
struct WorkerRequest {
  std::function<void(WorkerContext&)> serve;
  std::function<void(WorkerContext&)> followUp;
};

class DeviceWorker {
 public:
  explicit DeviceWorker(DeviceLink& link);
  ~DeviceWorker();  // joins; the thread must have ended (see finished())
  DeviceWorker(const DeviceWorker&) = delete;
  DeviceWorker& operator=(const DeviceWorker&) = delete;

  WorkerEvents& events() { return *m_events; }
  std::shared_ptr<WorkerEvents> sharedEvents() const { return m_events; }
  // The thread has left its loop and may be joined without waiting.
  bool finished() const { return m_finished.load(); }
  // This worker is no longer the running one ("WorkerThread = null").
  bool released() const { return m_released.load(); }
  void release() { m_released.store(true); }
  // Requests served so far (the idle look does not count).
  int served() const { return m_served.load(); }
  void join();

 private:
  void run();

  DeviceLink& m_link;
  std::shared_ptr<WorkerEvents> m_events;
  std::atomic<bool> m_finished{false};
  std::atomic<bool> m_released{false};
  std::atomic<int> m_served{0};
  std::thread m_thread;
};

}  // namespace device
