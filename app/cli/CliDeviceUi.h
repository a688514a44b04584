#pragma once
// CliDeviceUi: the "user-interface thread" of device operations in the tool.
// The main thread's Qt event loop runs what a worker posts or calls while
// the main thread waits; a worker's messages go to standard error. A Ctrl+C
// (CliInterrupt.h) is handed to the operation's interrupt handler on the
// main thread, where the window would take the cancel button: at every look
// while waiting, until the handler says it took effect.
//
// Does not know any device operation.

#include "DeviceTiming.h"
#include "UiSide.h"

#include <functional>
#include <string>
#include <vector>

// The protocol's waits; HY_DEVICE_TIME_SCALE (0.01 to 1) shortens them all
// alike, as the tests against the simulated logger do.
device::DeviceTiming cliDeviceTiming();

class CliDeviceUi : public device::UiWait, public device::WorkerUi {
 public:
  CliDeviceUi();
  ~CliDeviceUi() override;
  CliDeviceUi(const CliDeviceUi&) = delete;
  CliDeviceUi& operator=(const CliDeviceUi&) = delete;

  void sleep(std::chrono::milliseconds duration) override;
  void until(const std::function<bool()>& done) override;
  void post(std::function<void()> work) override;
  void call(std::function<void()> work) override;
  MessageAnswer message(const std::string& text, MessageIcon icon) override;

  // Runs on the main thread once Ctrl+C was pressed, at each look while
  // waiting, until it returns true (the operation could take the cancel).
  void setInterruptHandler(std::function<bool()> handler) { m_onInterrupt = std::move(handler); }
  bool interrupted() const;
  // Runs on the main thread before a message is written (to end a progress
  // line that is being rewritten in place).
  void setBeforeMessage(std::function<void()> hook) { m_beforeMessage = std::move(hook); }
  // Messages a worker showed, in order (for the exit code and tests).
  const std::vector<std::string>& messages() const { return m_messages; }

 private:
  void runPending();

  std::function<bool()> m_onInterrupt;
  std::function<void()> m_beforeMessage;
  bool m_interruptHandled = false;
  std::vector<std::string> m_messages;
};
