#pragma once
// The test's user-interface thread: a queue of work that a worker posts or
// calls into, run by the test thread whenever it waits (as the program's
// event loop runs queued calls during its waits). Messages a worker shows
// are recorded and answered from a script; everything recorded is touched
// on the test thread only.

#include "UiSide.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class UiLoop : public device::UiWait, public device::WorkerUi {
 public:
  UiLoop() : m_owner(std::this_thread::get_id()) {}

  void sleep(std::chrono::milliseconds duration) override;
  void until(const std::function<bool()>& done) override;
  void post(std::function<void()> work) override;
  void call(std::function<void()> work) override;
  MessageAnswer message(const std::string& text, MessageIcon icon) override;

  // Runs queued work for at most duration, or until done() (tested between
  // pieces of work) is true.
  void runFor(std::chrono::milliseconds duration, const std::function<bool()>& done = {});
  void drain() { runFor(std::chrono::milliseconds(0)); }

  // Messages shown so far (text only) and whether icon was Information.
  std::vector<std::string> messages;
  std::vector<MessageIcon> icons;
  // Called on the test thread with each message, before it is answered.
  std::function<void(const std::string&)> onMessage;

 private:
  bool runOne(std::unique_lock<std::mutex>& lock);

  std::thread::id m_owner;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::function<void()>> m_queue;
};
