#include "ParallelWrites.h"

#include <algorithm>

ParallelWrites::ParallelWrites(int threads) : m_limit(static_cast<size_t>(std::max(threads, 1)) * 2) {
  for (int i = 0; i < std::max(threads, 1); ++i) m_threads.emplace_back([this] { work(); });
}

ParallelWrites::~ParallelWrites() { finish(); }

void ParallelWrites::submit(size_t index, std::function<bool()> job) {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_changed.wait(lock, [this] { return m_jobs.size() < m_limit; });
  m_jobs.emplace_back(index, std::move(job));
  m_changed.notify_all();
}

std::vector<size_t> ParallelWrites::finish() {
  {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_closing = true;
    m_changed.notify_all();
  }
  for (std::thread& t : m_threads)
    if (t.joinable()) t.join();
  std::sort(m_failed.begin(), m_failed.end());
  return m_failed;
}

void ParallelWrites::work() {
  std::unique_lock<std::mutex> lock(m_mutex);
  for (;;) {
    m_changed.wait(lock, [this] { return !m_jobs.empty() || m_closing; });
    if (m_jobs.empty()) return;
    auto [index, job] = std::move(m_jobs.front());
    m_jobs.pop_front();
    m_changed.notify_all();
    lock.unlock();
    const bool ok = job();
    lock.lock();
    if (!ok) m_failed.push_back(index);
  }
}
