// The thumbnails of one item list: a loader thread makes a cell per request
// (see ListThumbnailJob.h) and adds it to the list's image list; until then
// the list shows a placeholder cell with the photo's file icon. Requests,
// lookups, forget, clear and reset belong to the user-interface thread; the
// sink's thumbnailReady is called on the loader thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "CellImageList.h"
#include "ListCellStyle.h"
#include "ThumbnailRequestQueue.h"
#include "imaging/DibBitmap.h"

namespace tavoro {

class ThumbnailStore;

// The placeholder of a photo that has no thumbnail yet: a key that photos
// with the same icon share, and the icon, 24 bits, already drawn on the
// cell's background colour. A key below 0 or no icon: no placeholder.
struct PlaceholderIcon {
  int key = -1;
  std::shared_ptr<const DibBitmap> icon;
};
using PlaceholderIconSource = std::function<PlaceholderIcon(std::wstring_view photoPath)>;

struct ListThumbnailSink {
  // A thumbnail is in the image list (loader thread): ask imageIndexFor again.
  std::function<void(int32_t itemId)> thumbnailReady;
  // reset() made a new image list (caller's thread): show imageList() instead.
  std::function<void()> imageListRecreated;
};

class ListThumbnailLoader {
 public:
  // Starts the loader thread; without one (it could not be made) requests
  // stay queued. store may be closed: thumbnails are then always decoded,
  // and their cells stay in memory. Otherwise at most cellsKept cells of
  // finished thumbnails stay in memory (see CellImageList); the store must
  // outlive the image lists.
  ListThumbnailLoader(ThumbnailStore& store, ListCellStyle style, std::shared_ptr<const DibBitmap> exifBadge,
                      PlaceholderIconSource placeholders, ListThumbnailSink sink,
                      size_t cellsKept = CellImageList::kDefaultKept);
  // Asks the thread to quit after the request in hand and waits for it; no
  // sink is called once this returns.
  ~ListThumbnailLoader();
  ListThumbnailLoader(const ListThumbnailLoader&) = delete;
  ListThumbnailLoader& operator=(const ListThumbnailLoader&) = delete;

  bool hasThread() const { return m_thread != nullptr; }
  const ListCellStyle& style() const { return m_style; }
  // The list the indices refer to; a new one after each reset().
  std::shared_ptr<CellImageList> imageList() const;

  // One thumbnail, ahead of the background work (an entry just made or shown).
  void requestThumbnail(int32_t itemId, std::wstring photoPath);
  // Several thumbnails, in their order, ahead of earlier background work.
  void requestThumbnails(std::vector<ThumbnailRequest> batch);
  // The index of the item's finished cell, or else of the placeholder for
  // its photo (made on first use); -1 when there is neither.
  int imageIndexFor(int32_t itemId, std::wstring_view photoPath);

  // The item's cell is no longer looked up, and the item may be asked for again.
  void forget(int32_t itemId);
  // Every finished cell is forgotten (the image list keeps its images).
  void clearThumbnails();
  // Drops queued requests and every cell, and makes a new image list with
  // room for capacity images (at least one); tells the sink.
  void reset(size_t capacity);

  // The queued requests, for tests and diagnostics.
  std::vector<int32_t> pendingIds() const { return m_queue.pendingIds(); }

 private:
  class LoaderThread;
  // The job for one request on the loader thread; true when a cell was added.
  bool load(const ThumbnailRequest& request);
  std::shared_ptr<CellImageList> makeImageList(size_t capacity) const;

  ThumbnailStore& m_store;
  const ListCellStyle m_style;
  const std::shared_ptr<const DibBitmap> m_badge;
  const PlaceholderIconSource m_placeholders;
  const ListThumbnailSink m_sink;
  const size_t m_cellsKept;
  ThumbnailRequestQueue m_queue;

  // Guards the image list pointer and both maps.
  mutable std::mutex m_mutex;
  std::shared_ptr<CellImageList> m_imageList;
  std::unordered_map<int32_t, int> m_items;  // item id -> index of its cell
  std::map<int, int> m_placeholderCells;     // icon key -> index of its cell

  // Last, so that it is gone before anything it uses.
  std::unique_ptr<LoaderThread> m_thread;
};

}  // namespace tavoro
