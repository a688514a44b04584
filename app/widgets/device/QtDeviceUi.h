#pragma once
// QtDeviceUi: the program's side of UiWait and WorkerUi. Waits run a local
// event loop that keeps painting and takes no user input, under the wait
// cursor; work from a worker is queued to the user-interface thread (and
// waited for where the worker needs the answer). Messages go through the
// program's UserMessages on the user-interface thread.
//
// Lives on the user-interface thread; owns only the object that queued work
// is delivered to, so work queued after it is gone is dropped.

#include "UiSide.h"

#include <QObject>

class QtDeviceUi : public device::UiWait, public device::WorkerUi {
 public:
  explicit QtDeviceUi(UserMessages& messages);
  ~QtDeviceUi() override;

  void sleep(std::chrono::milliseconds duration) override;
  void until(const std::function<bool()>& done) override;
  void post(std::function<void()> work) override;
  void call(std::function<void()> work) override;
  MessageAnswer message(const std::string& text, MessageIcon icon) override;

 private:
  UserMessages& m_messages;
  QObject m_target;
};
