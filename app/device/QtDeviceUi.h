#pragma once
// QtDeviceUi: the program's user-interface side of device operations. Waits
// run a local event loop that keeps painting and runs queued work but takes
// no user input, under the wait cursor; a worker's work is queued to the
// user-interface thread (call blocks the worker until it ran); a worker's
// message is a message box shown through the program's UserMessages.
//
// Owns nothing; the messages outlive it.

#include "UiSide.h"

namespace device {

class QtDeviceUi : public UiWait, public WorkerUi {
 public:
  explicit QtDeviceUi(UserMessages& messages) : m_messages(messages) {}

  void sleep(std::chrono::milliseconds duration) override;
  void until(const std::function<bool()>& done) override;
  void post(std::function<void()> work) override;
  void call(std::function<void()> work) override;
  MessageAnswer message(const std::string& text, MessageIcon icon) override;

 private:
  UserMessages& m_messages;
};

}  // namespace device
