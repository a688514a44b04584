#pragma once
// How device operations reach the user-interface thread, in two directions:
//
// UiWait is how the user-interface thread waits (the fixed waits of the
// protocol, and waiting for a worker to finish). The program keeps painting
// while it waits, shows the wait cursor and takes no user input; tests may
// simply sleep or run their own queue.
//
// WorkerUi is how a worker thread shows a message or changes a dialog: the
// work is queued to the user-interface thread (post returns at once, call
// and message wait until it ran). A worker never touches a widget itself.

#include "UserMessages.h"

#include <chrono>
#include <functional>
#include <string>

namespace device {

class UiWait {
 public:
  virtual ~UiWait() = default;
  // Lets duration pass on the user-interface thread.
  virtual void sleep(std::chrono::milliseconds duration) = 0;
  // Returns once done() is true; done is tested on the user-interface thread.
  virtual void until(const std::function<bool()>& done) = 0;
};

class WorkerUi {
 public:
  virtual ~WorkerUi() = default;
  // Runs work on the user-interface thread later, in order; returns at once.
  virtual void post(std::function<void()> work) = 0;
  // Runs work on the user-interface thread and returns when it has run.
  virtual void call(std::function<void()> work) = 0;
  // Shows a message box from the worker and waits for the answer.
  virtual MessageAnswer message(const std::string& text, MessageIcon icon) = 0;
};

// A UiWait for code without a user interface: the calling thread sleeps.
class SleepingUiWait : public UiWait {
 public:
  void sleep(std::chrono::milliseconds duration) override;
  void until(const std::function<bool()>& done) override;
};

}  // namespace device
