#pragma once
// CliDeviceUi: the "user-interface thread" of device operations in the tool.
// The main thread's Qt event loop runs what a worker posts or calls while
// the main thread waits; a worker's messages go to standard error. Ctrl+C
// (SIGINT, and SIGTERM) is caught and handed, once, to the operation's
// interrupt handler from the main thread, where the window would take the
// cancel button.
//
// Owns the signal handlers for its lifetime. Does not know any device
// operation.

#include "UiSide.h"

#include <functional>
#include <string>
#include <vector>

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

  // Runs on the main thread at the first Ctrl+C seen during a wait.
  void setInterruptHandler(std::function<void()> handler) { m_onInterrupt = std::move(handler); }
  bool interrupted() const;
  // Messages a worker showed, in order (for the exit code and tests).
  const std::vector<std::string>& messages() const { return m_messages; }

 private:
  void runPending();

  std::function<void()> m_onInterrupt;
  bool m_interruptHandled = false;
  std::vector<std::string> m_messages;
};
