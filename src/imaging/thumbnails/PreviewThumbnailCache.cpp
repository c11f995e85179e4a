#include "PreviewThumbnailCache.h"

#include <algorithm>

#include "ThumbnailStore.h"
#include "WorkerThread.h"
#include "imaging/BitmapFitting.h"
#include "imaging/LoadFitted.h"

namespace tavoro {

namespace {

constexpr int32_t kQuitId = -1;

bool sameRequester(const std::weak_ptr<const PreviewSink>& a, const std::weak_ptr<const PreviewSink>& b) {
  return !a.owner_before(b) && !b.owner_before(a);
}

}  // namespace

class PreviewThumbnailCache::PreviewThread final : public WorkerThread {
 public:
  explicit PreviewThread(PreviewThumbnailCache& cache) : m_cache(cache) {}
  ~PreviewThread() override { stopAndWait(); }

 protected:
  bool run() override {
    for (;;) {
      const PreviewRequest request = m_cache.take();
      if (request.itemId < 0) break;
      if (request.itemId > 0) {
        if (!m_cache.isCached(request.itemId)) m_cache.load(request);
        // The requester may have gone meanwhile: then nobody is told.
        if (const std::shared_ptr<const PreviewSink> sink = request.requester.lock(); sink && *sink)
          (*sink)(request.itemId);
      }
      if (stopRequested()) break;
    }
    return true;
  }

 private:
  PreviewThumbnailCache& m_cache;
};

PreviewThumbnailCache::PreviewThumbnailCache(ThumbnailStore& store, size_t inMemory)
    : m_store(store), m_inMemory(std::max<size_t>(1, inMemory)) {
  auto thread = std::make_unique<PreviewThread>(*this);
  if (thread->start()) m_thread = std::move(thread);
}

PreviewThumbnailCache::~PreviewThumbnailCache() {
  if (!m_thread) return;
  m_thread->requestStop();
  {
    std::lock_guard lock(m_mutex);
    m_requests.push_front({{}, kQuitId, {}});
  }
  m_available.notify_one();
  m_thread->wait();
  m_thread.reset();
}

bool PreviewThumbnailCache::lookupOrQueue(const PreviewRequest& request, const Rect& rect, PreviewPlacement& out) {
  out = {};
  if (rect.isEmpty() || request.itemId <= 0 || request.path.empty()) return false;
  std::shared_ptr<const DibBitmap> thumbnail = cached(request.itemId);
  if (!thumbnail) {
    if (isUndecodable(request.itemId))
      out.undecodable = true;
    else
      queue(request);
    return true;
  }
  const Size fitted = fitSize({rect.width(), rect.height()}, {thumbnail->width(), thumbnail->height()});
  const int left = rect.left + (rect.width() - fitted.width) / 2;
  const int top = rect.top + (rect.height() - fitted.height) / 2;
  out.thumbnail = std::move(thumbnail);
  out.rect = {left, top, left + fitted.width, top + fitted.height};
  return true;
}

bool PreviewThumbnailCache::isCached(int32_t itemId) const {
  std::lock_guard lock(m_mutex);
  return m_kept.contains(itemId);
}

bool PreviewThumbnailCache::isUndecodable(int32_t itemId) const {
  std::lock_guard lock(m_mutex);
  return m_undecodable.contains(itemId);
}

std::shared_ptr<const DibBitmap> PreviewThumbnailCache::cached(int32_t itemId) {
  ThumbnailStoreEntry record;
  {
    std::lock_guard lock(m_mutex);
    const auto it = m_kept.find(itemId);
    if (it == m_kept.end()) return nullptr;
    if (it->second.thumbnail) {
      touch(it->second);
      return it->second.thumbnail;
    }
    record = it->second.record;
  }
  // Read back without the cache's lock: the thread may go on meanwhile.
  DibBitmap thumbnail;
  const bool read = m_store.read(record, thumbnail);
  Thumbnails leaving;
  std::lock_guard lock(m_mutex);
  const auto it = m_kept.find(itemId);
  if (it == m_kept.end()) return nullptr;  // cleared meanwhile
  Kept& kept = it->second;
  if (kept.thumbnail) {  // brought back meanwhile
    touch(kept);
    return kept.thumbnail;
  }
  if (kept.record.id != record.id) return nullptr;  // made anew meanwhile: read at the next paint
  if (!read) {
    m_kept.erase(it);  // the store no longer holds it: made again when next asked for
    return nullptr;
  }
  keepInMemory(itemId, kept, std::make_shared<const DibBitmap>(std::move(thumbnail)), leaving);
  return kept.thumbnail;
}

void PreviewThumbnailCache::keepInMemory(int32_t itemId, Kept& kept, std::shared_ptr<const DibBitmap> thumbnail,
                                         Thumbnails& leaving) {
  kept.thumbnail = std::move(thumbnail);
  m_recent.push_front(itemId);
  kept.recent = m_recent.begin();
  while (m_recent.size() > m_inMemory) {
    Kept& oldest = m_kept.at(m_recent.back());
    m_recent.pop_back();
    // A painter still holding it keeps it alive until it is done.
    leaving.push_back(std::move(oldest.thumbnail));
  }
}

void PreviewThumbnailCache::touch(Kept& kept) {
  m_recent.splice(m_recent.begin(), m_recent, kept.recent);
}

size_t PreviewThumbnailCache::thumbnailsInMemory() const {
  std::lock_guard lock(m_mutex);
  return m_recent.size();
}

void PreviewThumbnailCache::clear() {
  std::lock_guard lock(m_mutex);
  m_kept.clear();
  m_recent.clear();
  m_undecodable.clear();
  // A quit request stays: the destructor waits for it.
  std::erase_if(m_requests, [](const PreviewRequest& r) { return r.itemId != kQuitId; });
}

std::vector<int32_t> PreviewThumbnailCache::pendingIds() const {
  std::lock_guard lock(m_mutex);
  std::vector<int32_t> ids;
  for (const PreviewRequest& r : m_requests) ids.push_back(r.itemId);
  return ids;
}

void PreviewThumbnailCache::queue(const PreviewRequest& request) {
  {
    std::lock_guard lock(m_mutex);
    if (m_kept.contains(request.itemId) || m_undecodable.contains(request.itemId)) return;
    for (const PreviewRequest& queued : m_requests)
      if (queued.itemId == request.itemId && sameRequester(queued.requester, request.requester)) return;
    // Served from the front: what was asked for last is shown first.
    m_requests.push_front(request);
  }
  m_available.notify_one();
}

PreviewRequest PreviewThumbnailCache::take() {
  std::unique_lock lock(m_mutex);
  m_available.wait(lock, [this] { return !m_requests.empty(); });
  PreviewRequest request = std::move(m_requests.front());
  m_requests.pop_front();
  return request;
}

void PreviewThumbnailCache::load(const PreviewRequest& request) {
  DibBitmap thumbnail;
  ThumbnailStoreEntry record;
  if (!m_store.get(thumbnail, request.path, &record)) {
    thumbnail.release();
    if (!loadFitted(thumbnail, request.path, {kBoxSize, kBoxSize})) {
      std::lock_guard lock(m_mutex);
      m_undecodable.insert(request.itemId);
      return;
    }
    // One that cannot be stored is still shown while it stays in memory;
    // once it leaves, the next paint makes it again.
    if (!m_store.put(thumbnail, request.path, &record)) record = {};
  }
  auto shared = std::make_shared<const DibBitmap>(std::move(thumbnail));
  Thumbnails leaving;
  std::lock_guard lock(m_mutex);
  const auto [it, added] = m_kept.try_emplace(request.itemId);
  if (added) {
    it->second.record = record;
    keepInMemory(request.itemId, it->second, std::move(shared), leaving);
  }
}

}  // namespace tavoro
