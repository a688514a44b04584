#include "UiLoop.h"

using Clock = std::chrono::steady_clock;

bool UiLoop::runOne(std::unique_lock<std::mutex>& lock) {
  if (m_queue.empty()) return false;
  std::function<void()> work = std::move(m_queue.front());
  m_queue.pop_front();
  lock.unlock();
  work();
  lock.lock();
  return true;
}

void UiLoop::runFor(std::chrono::milliseconds duration, const std::function<bool()>& done) {
  const Clock::time_point deadline = Clock::now() + duration;
  std::unique_lock lock(m_mutex);
  for (;;) {
    while (runOne(lock)) {
    }
    if (done) {
      lock.unlock();
      const bool finished = done();
      lock.lock();
      if (finished) return;
    }
    if (Clock::now() >= deadline) return;
    Clock::time_point wake = deadline;
    if (done) wake = std::min(wake, Clock::now() + std::chrono::milliseconds(2));
    m_changed.wait_until(lock, wake, [this] { return !m_queue.empty(); });
  }
}

void UiLoop::sleep(std::chrono::milliseconds duration) { runFor(duration); }

void UiLoop::until(const std::function<bool()>& done) { runFor(std::chrono::hours(1), done); }

void UiLoop::post(std::function<void()> work) {
  {
    std::lock_guard lock(m_mutex);
    m_queue.push_back(std::move(work));
  }
  m_changed.notify_all();
}

void UiLoop::call(std::function<void()> work) {
  if (std::this_thread::get_id() == m_owner) {
    work();
    return;
  }
  std::mutex doneMutex;
  std::condition_variable doneChanged;
  bool finished = false;
  post([&] {
    work();
    std::lock_guard lock(doneMutex);
    finished = true;
    doneChanged.notify_all();
  });
  std::unique_lock lock(doneMutex);
  doneChanged.wait(lock, [&] { return finished; });
}

MessageAnswer UiLoop::message(const std::string& text, MessageIcon icon) {
  call([&] {
    messages.push_back(text);
    icons.push_back(icon);
    if (onMessage) onMessage(text);
  });
  return MessageAnswer::Ok;
}
