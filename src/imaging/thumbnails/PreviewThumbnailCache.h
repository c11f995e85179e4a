// Preview thumbnails of at most 160 x 160 pixels, kept once made: a painter
// asks for a photo's thumbnail and either gets it, fitted and centred in its
// rectangle, or the request is queued for the preview thread, which serves
// the newest request first and tells the requester when the thumbnail is
// there. Every kept thumbnail lies in the store; only those used last stay in
// memory too, and one that left it is read back from the store when it is
// asked for again. Thread-safe.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ThumbnailStore.h"
#include "imaging/DibBitmap.h"
#include "platform/Geometry.h"

namespace tavoro {

// Called on the preview thread with the item id when its thumbnail is in
// memory. The requester owns it; once the requester lets it go, nothing more
// is announced to it.
using PreviewSink = std::function<void(int32_t itemId)>;

struct PreviewRequest {
  std::weak_ptr<const PreviewSink> requester;
  int32_t itemId = 0;  // the photo's serial; above 0
  std::wstring path;   // the photo file
};

struct PreviewPlacement {
  std::shared_ptr<const DibBitmap> thumbnail;  // null: not in memory yet (queued), or undecodable
  Rect rect;                                   // where to paint it: fitted to the rectangle, centred
  // The photo could not be decoded (a missing or damaged file): nothing was
  // queued, and a painter shows that instead of waiting for a thumbnail.
  bool undecodable = false;
};

class PreviewThumbnailCache {
 public:
  static constexpr int kBoxSize = 160;
  // Thumbnails kept in memory: the previews on screen, many times over.
  static constexpr size_t kDefaultInMemory = 200;

  // Starts the preview thread. store may be closed: thumbnails are then
  // kept in memory only, and made again once they leave it. At most
  // inMemory thumbnails (at least one) stay in memory.
  explicit PreviewThumbnailCache(ThumbnailStore& store, size_t inMemory = kDefaultInMemory);
  // Queues the quit request and waits for the thread.
  ~PreviewThumbnailCache();
  PreviewThumbnailCache(const PreviewThumbnailCache&) = delete;
  PreviewThumbnailCache& operator=(const PreviewThumbnailCache&) = delete;

  // What a painter does with rect: when the item's thumbnail is in memory,
  // out holds it and the rectangle it fills (fitted to rect, larger than the
  // thumbnail if rect is, and centred); when the thread found the photo
  // undecodable, out says so; otherwise the request is queued and out holds
  // no thumbnail. False, doing nothing, for an empty rect, an item id not
  // above 0 or an empty path. A thumbnail that the store no longer holds is
  // forgotten and queued again.
  bool lookupOrQueue(const PreviewRequest& request, const Rect& rect, PreviewPlacement& out);
  // Whether the item's thumbnail is kept (in memory or in the store).
  bool isCached(int32_t itemId) const;
  // Whether the thread found the item's photo undecodable. Such an item is
  // not queued again (a paint would otherwise decode it anew each time), and
  // its requester is told as for a thumbnail, so that it can show the failure.
  bool isUndecodable(int32_t itemId) const;
  // Forgets every thumbnail in memory, every undecodable item and every
  // queued request.
  void clear();

  bool hasThread() const { return m_thread != nullptr; }
  // Queued item ids in the order they will be served (newest first).
  std::vector<int32_t> pendingIds() const;
  // How many thumbnails are in memory, for tests and diagnostics.
  size_t thumbnailsInMemory() const;

 private:
  class PreviewThread;
  void queue(const PreviewRequest& request);
  PreviewRequest take();
  // Makes (or reads back) the thumbnail and keeps it, or marks the photo undecodable.
  void load(const PreviewRequest& request);
  // The kept thumbnail, read back from the store when it had left memory;
  // null when there is none (any more).
  std::shared_ptr<const DibBitmap> cached(int32_t itemId);

  struct Kept {
    std::shared_ptr<const DibBitmap> thumbnail;  // null while out of memory
    ThumbnailStoreEntry record;                  // where the store keeps it
    std::list<int32_t>::iterator recent;         // its place in m_recent while in memory
  };
  using Thumbnails = std::vector<std::shared_ptr<const DibBitmap>>;
  // The caller holds m_mutex for these; what leaves memory is moved to
  // leaving, to be freed after the lock.
  void keepInMemory(int32_t itemId, Kept& kept, std::shared_ptr<const DibBitmap> thumbnail, Thumbnails& leaving);
  void touch(Kept& kept);

  ThumbnailStore& m_store;
  const size_t m_inMemory;
  mutable std::mutex m_mutex;
  std::condition_variable m_available;
  std::deque<PreviewRequest> m_requests;
  std::unordered_map<int32_t, Kept> m_kept;  // by item id
  std::list<int32_t> m_recent;               // item ids in memory, the one used last first
  std::unordered_set<int32_t> m_undecodable;

  std::unique_ptr<PreviewThread> m_thread;  // last: gone before what it uses
};

}  // namespace tavoro
