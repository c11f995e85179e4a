#include "ThumbnailRequestQueue.h"

#include <algorithm>
#include <iterator>

namespace tavoro {

bool ThumbnailRequestQueue::addPriority(ThumbnailRequest request) {
  {
    std::lock_guard lock(m_mutex);
    if (request.itemId != kQuitId && m_finished.contains(request.itemId)) return false;
    // The user has scrolled on: what was asked for first now waits behind the
    // newest request, but still ahead of the background work.
    if (m_priority.size() >= kPriorityBacklog) {
      m_background.insert(m_background.begin(), std::make_move_iterator(m_priority.begin()),
                          std::make_move_iterator(m_priority.end()));
      m_priority.clear();
    }
    m_priority.push_back(std::move(request));
  }
  m_available.notify_one();
  return true;
}

size_t ThumbnailRequestQueue::addBatch(std::vector<ThumbnailRequest> batch) {
  size_t added = 0;
  {
    std::lock_guard lock(m_mutex);
    for (auto it = batch.rbegin(); it != batch.rend(); ++it) {
      if (m_finished.contains(it->itemId)) continue;
      m_background.push_front(std::move(*it));
      ++added;
    }
  }
  if (added > 0) m_available.notify_all();
  return added;
}

void ThumbnailRequestQueue::addQuit() {
  addPriority({kQuitId, {}});
}

ThumbnailRequest ThumbnailRequestQueue::take() {
  std::unique_lock lock(m_mutex);
  m_available.wait(lock, [this] { return !m_priority.empty() || !m_background.empty(); });
  std::deque<ThumbnailRequest>& from = m_priority.empty() ? m_background : m_priority;
  ThumbnailRequest request = std::move(from.front());
  from.pop_front();
  return request;
}

std::vector<int32_t> ThumbnailRequestQueue::pendingIds() const {
  std::lock_guard lock(m_mutex);
  std::vector<int32_t> ids;
  ids.reserve(m_priority.size() + m_background.size());
  for (const ThumbnailRequest& r : m_priority) ids.push_back(r.itemId);
  for (const ThumbnailRequest& r : m_background) ids.push_back(r.itemId);
  return ids;
}

size_t ThumbnailRequestQueue::pendingCount() const {
  std::lock_guard lock(m_mutex);
  return m_priority.size() + m_background.size();
}

void ThumbnailRequestQueue::markFinished(int32_t itemId) {
  std::lock_guard lock(m_mutex);
  m_finished.insert(itemId);
}

bool ThumbnailRequestQueue::isFinished(int32_t itemId) const {
  std::lock_guard lock(m_mutex);
  return m_finished.contains(itemId);
}

void ThumbnailRequestQueue::forgetFinished(int32_t itemId) {
  std::lock_guard lock(m_mutex);
  m_finished.erase(itemId);
}

void ThumbnailRequestQueue::clearFinished() {
  std::lock_guard lock(m_mutex);
  m_finished.clear();
}

void ThumbnailRequestQueue::reset() {
  std::lock_guard lock(m_mutex);
  // A quit request survives: the owner waiting for the thread relies on it.
  const auto isQuit = [](const ThumbnailRequest& r) { return r.itemId == kQuitId; };
  const bool quitting = std::any_of(m_priority.begin(), m_priority.end(), isQuit) ||
                        std::any_of(m_background.begin(), m_background.end(), isQuit);
  m_priority.clear();
  m_background.clear();
  m_finished.clear();
  if (quitting) m_priority.push_back({kQuitId, {}});
}

}  // namespace tavoro
