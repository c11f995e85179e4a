#include "ParallelJobs.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tavoro {

unsigned photoJobThreads() { return std::clamp(std::thread::hardware_concurrency(), 1u, 8u); }

Status runJobs(size_t count, unsigned threads, const std::function<Status(size_t)>& job, ProgressReporter& progress) {
  if (threads <= 1 || count < 2) {
    for (size_t i = 0; i < count; ++i) {
      if (progress.stopRequested()) return {};
      Status status = job(i);
      if (!status) return status;
      progress.advance();
    }
    return {};
  }

  std::atomic<size_t> next{0};
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable changed;
  size_t finished = 0;  // guarded by mutex
  size_t running = 0;   // helper threads still working; guarded by mutex
  Status firstFailure;  // guarded by mutex

  auto work = [&] {
    while (!stop.load()) {
      const size_t index = next.fetch_add(1);
      if (index >= count) break;
      Status status = job(index);
      std::lock_guard lock(mutex);
      ++finished;
      if (!status.ok() && firstFailure.ok()) {
        firstFailure = std::move(status);
        stop = true;
      }
      changed.notify_one();
    }
    std::lock_guard lock(mutex);
    --running;
    changed.notify_one();
  };

  const size_t helperCount = std::min<size_t>(threads, count);
  std::vector<std::thread> helpers;
  helpers.reserve(helperCount);
  {
    std::lock_guard lock(mutex);
    running = helperCount;
  }
  for (size_t i = 0; i < helperCount; ++i) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      // No more threads to be had: the helpers already running do the work.
      std::lock_guard lock(mutex);
      running -= helperCount - i;
      break;
    }
  }
  if (helpers.empty()) return runJobs(count, 1, job, progress);

  const uint64_t base = progress.done();
  std::unique_lock lock(mutex);
  size_t reported = 0;
  while (running > 0) {
    changed.wait(lock, [&] { return finished != reported || running == 0; });
    if (finished != reported && !stop) {
      reported = finished;
      lock.unlock();
      // The callback may take its time (a window's event loop): the helpers go on meanwhile.
      const bool goOn = progress.report(base + reported);
      lock.lock();
      if (!goOn) stop = true;
    } else {
      reported = finished;
    }
  }
  lock.unlock();
  for (std::thread& helper : helpers) helper.join();
  // The helpers may all have ended before the last count was reported.
  if (firstFailure.ok() && !stop && finished != reported) progress.report(base + finished);
  return firstFailure;
}

}  // namespace tavoro
