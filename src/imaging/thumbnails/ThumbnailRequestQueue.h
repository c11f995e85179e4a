// The list-view loader's work queue: single requests go to a priority list,
// batches to the front of a background list, and items already finished are
// never queued again. Thread-safe: the user-interface thread adds, the loader
// thread takes.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <unordered_set>
#include <vector>

#include "ThumbnailRequest.h"

namespace tavoro {

class ThumbnailRequestQueue {
 public:
  static constexpr int32_t kQuitId = -1;
  // A priority list this long is moved, in order, to the front of the
  // background list before the next priority request joins it.
  static constexpr size_t kPriorityBacklog = 10;

  ThumbnailRequestQueue() = default;
  ThumbnailRequestQueue(const ThumbnailRequestQueue&) = delete;
  ThumbnailRequestQueue& operator=(const ThumbnailRequestQueue&) = delete;

  // Appends to the priority list; false (nothing queued) for a finished item.
  bool addPriority(ThumbnailRequest request);
  // Puts the batch, in its own order, at the front of the background list,
  // leaving out finished items. Returns how many were queued.
  size_t addBatch(std::vector<ThumbnailRequest> batch);
  // Queues the quit request (item id -1) as a priority request.
  void addQuit();

  // Blocks until a request is queued, then takes the first of the priority
  // list, or else the first of the background list.
  ThumbnailRequest take();
  // The item ids in the order take() would hand them out (for tests and diagnostics).
  std::vector<int32_t> pendingIds() const;
  size_t pendingCount() const;

  void markFinished(int32_t itemId);
  bool isFinished(int32_t itemId) const;
  // The item may be queued again.
  void forgetFinished(int32_t itemId);
  void clearFinished();
  // Empties both lists (a quit request stays) and the finished set.
  void reset();

 private:
  mutable std::mutex m_mutex;
  std::condition_variable m_available;
  std::deque<ThumbnailRequest> m_priority;
  std::deque<ThumbnailRequest> m_background;
  std::unordered_set<int32_t> m_finished;
};

}  // namespace tavoro
