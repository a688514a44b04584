#pragma once
// DeviceLink: the program-wide device state that the user-interface thread
// and the DeviceWorker share, and the one place workers are started, told
// to quit and joined.
//
// Shared state is atomic (request code, pending flag, port handle, the
// events-created, no-data and version flags); each worker's events are its
// own (DeviceWorker.h). The user-interface thread registers the handlers of
// its request codes, hands requests over, and waits for replies; every wait
// goes through the injected UiWait and every duration and count comes from
// the injected DeviceTiming, so tests run a fast clock.
//
// Workers: a new worker is started only after the previous one has ended
// and been joined (the user-interface thread keeps painting meanwhile), and
// the link joins every worker in joinWorkers() and in its destructor, so no
// worker outlives the operation whose handlers it runs.
//
// Stable interface for the device dialogs:
//   registerRequest(code, {serve, followUp})   once per operation, before handing
//   handRequest(code, port)                     PortHandle, RequestCode, RequestPending
//   startWorkerIfNone()                         "if WorkerThread is null, start a DeviceWorker"
//   waitForReply()                              the 100 tests of ReplyEvent, 150 ms apart
//   tellWorkerToQuit()                          WorkerThread = null; QuitEvent
//   setCancel(), setGo()                        the events of the running worker
//   joinWorkers()                               before a dialog goes and at exit
// CheckConnection (CheckConnection.h) is built on these.

#include "DeviceTiming.h"
#include "DeviceWorker.h"
#include "UiSide.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace device {

class DeviceLink {
 public:
  DeviceLink(const DeviceTiming& timing, UiWait& wait, WorkerUi& ui);
  ~DeviceLink();  // joins every worker
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  const DeviceTiming& timing() const { return m_timing; }
  UiWait& uiWait() { return m_wait; }
  WorkerUi& workerUi() { return m_ui; }

  // The request table. Safe to call while a worker runs; a worker looks the
  // code up each time it serves.
  void registerRequest(uint8_t code, WorkerRequest request);
  WorkerRequest requestFor(uint8_t code) const;

  // Sets PortHandle and RequestCode, then raises RequestPending.
  void handRequest(uint8_t code, TKHandle port);
  // Starts a worker unless one is running; the previous one is joined first.
  // Returns true when it started one.
  bool startWorkerIfNone();
  bool workerRunning() const;
  // If EventsCreated: WorkerThread = null and the worker's QuitEvent set.
  void tellWorkerToQuit();
  // Tests ReplyEvent, then every replyTestInterval, replyTests times in all;
  // resets it when found set. True when it was set by the first test.
  // Returns the number of the test that found it (1-based), 0 when none did.
  int waitForReply();
  void setCancel();
  void setGo();
  // Waits (painting) until every worker has ended, then joins them.
  void joinWorkers();
  // Waits (painting) until the worker has given up the port (PortHandle 0).
  void waitForPortReleased();

  std::atomic<uint8_t> requestCode{0};
  std::atomic<int> requestPending{0};
  std::atomic<TKHandle> portHandle{0};
  std::atomic<int> eventsCreated{0};
  std::atomic<bool> noDataFlag{false};
  std::atomic<uint16_t> deviceVersionWord{0};

  // Workers started since the link was made (tests and benchmarks).
  int workersStarted() const { return m_started; }

 private:
  void reapFinished();

  DeviceTiming m_timing;
  UiWait& m_wait;
  WorkerUi& m_ui;
  mutable std::mutex m_tableMutex;
  std::map<uint8_t, WorkerRequest> m_table;
  // User-interface thread only.
  std::unique_ptr<DeviceWorker> m_current;
  std::vector<std::unique_ptr<DeviceWorker>> m_leaving;  // told to quit, not yet joined
  std::shared_ptr<WorkerEvents> m_events;  // the last started worker's ("the program-wide handles")
  int m_started = 0;
};

}  // namespace device
