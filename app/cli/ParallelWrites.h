#pragma once
// ParallelWrites: output files of a batch written on a few threads, so that
// each file's flush to disk (every output is written under a temporary name,
// flushed and renamed into place) overlaps the next one's instead of
// queueing behind it. Jobs are independent; results come back by index.
//
// Owns its threads; submit() blocks while too many jobs wait, so memory
// stays bounded whatever the number of files.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

class ParallelWrites {
 public:
  explicit ParallelWrites(int threads);
  ~ParallelWrites();  // finishes every job
  ParallelWrites(const ParallelWrites&) = delete;
  ParallelWrites& operator=(const ParallelWrites&) = delete;

  // Runs job on a writer thread; job returns true when its file was written.
  void submit(size_t index, std::function<bool()> job);
  // Waits for every job; the indices whose job failed, in increasing order.
  std::vector<size_t> finish();

 private:
  void work();

  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::pair<size_t, std::function<bool()>>> m_jobs;
  std::vector<size_t> m_failed;
  size_t m_limit;
  bool m_closing = false;
  std::vector<std::thread> m_threads;
};
