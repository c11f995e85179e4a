#include "ListThumbnailLoader.h"

#include <algorithm>

#include "ListThumbnailJob.h"
#include "WorkerThread.h"

namespace tavoro {

class ListThumbnailLoader::LoaderThread final : public WorkerThread {
 public:
  explicit LoaderThread(ListThumbnailLoader& loader) : m_loader(loader) {}
  ~LoaderThread() override { stopAndWait(); }

 protected:
  bool run() override {
    for (;;) {
      const ThumbnailRequest request = m_loader.m_queue.take();
      if (request.itemId == ThumbnailRequestQueue::kQuitId) break;
      // The same item may have been asked for twice before it was finished.
      if (!m_loader.m_queue.isFinished(request.itemId) && m_loader.load(request) && m_loader.m_sink.thumbnailReady)
        m_loader.m_sink.thumbnailReady(request.itemId);
      if (stopRequested()) break;
    }
    return true;
  }

 private:
  ListThumbnailLoader& m_loader;
};

ListThumbnailLoader::ListThumbnailLoader(ThumbnailStore& store, ListCellStyle style,
                                         std::shared_ptr<const DibBitmap> exifBadge, PlaceholderIconSource placeholders,
                                         ListThumbnailSink sink, size_t cellsKept)
    : m_store(store),
      m_style(style),
      m_badge(std::move(exifBadge)),
      m_placeholders(std::move(placeholders)),
      m_sink(std::move(sink)),
      m_cellsKept(cellsKept),
      m_imageList(makeImageList(100)) {
  auto thread = std::make_unique<LoaderThread>(*this);
  if (thread->start()) m_thread = std::move(thread);
}

ListThumbnailLoader::~ListThumbnailLoader() {
  if (!m_thread) return;
  // The flag ends the loop after the request in hand; the quit request wakes
  // a thread that waits for work.
  m_thread->requestStop();
  m_queue.addQuit();
  m_thread->wait();
  m_thread.reset();
}

std::shared_ptr<CellImageList> ListThumbnailLoader::makeImageList(size_t capacity) const {
  // What the list needs outlives the loader with it, as the list may.
  CellImageList::Remake remake = [store = &m_store, style = m_style, badge = m_badge](const ListCellOrigin& origin,
                                                                                      DibBitmap& cell) {
    return remakeListCell(style, badge.get(), *store, origin, cell);
  };
  return std::make_shared<CellImageList>(m_style.cell, std::max<size_t>(1, capacity), std::move(remake), m_cellsKept);
}

std::shared_ptr<CellImageList> ListThumbnailLoader::imageList() const {
  std::lock_guard lock(m_mutex);
  return m_imageList;
}

void ListThumbnailLoader::requestThumbnail(int32_t itemId, std::wstring photoPath) {
  if (itemId == ThumbnailRequestQueue::kQuitId) return;  // would read as the quit request
  m_queue.addPriority({itemId, std::move(photoPath)});
}

void ListThumbnailLoader::requestThumbnails(std::vector<ThumbnailRequest> batch) {
  // An item id of -1 would read as the quit request.
  std::erase_if(batch, [](const ThumbnailRequest& r) { return r.itemId == ThumbnailRequestQueue::kQuitId; });
  m_queue.addBatch(std::move(batch));
}

int ListThumbnailLoader::imageIndexFor(int32_t itemId, std::wstring_view photoPath) {
  {
    std::lock_guard lock(m_mutex);
    if (const auto it = m_items.find(itemId); it != m_items.end()) return it->second;
  }
  if (!m_placeholders) return -1;
  // The owner's icon lookup may be slow: not under the lock the thread needs.
  const PlaceholderIcon placeholder = m_placeholders(photoPath);
  if (placeholder.key < 0 || !placeholder.icon) return -1;
  std::lock_guard lock(m_mutex);
  if (const auto it = m_placeholderCells.find(placeholder.key); it != m_placeholderCells.end()) return it->second;
  DibBitmap cell;
  if (!composePlaceholderCell(m_style, *placeholder.icon, cell)) return -1;
  const int index = m_imageList->add(std::move(cell));
  if (index >= 0) m_placeholderCells.emplace(placeholder.key, index);
  return index;
}

void ListThumbnailLoader::forget(int32_t itemId) {
  std::lock_guard lock(m_mutex);
  m_items.erase(itemId);
  m_queue.forgetFinished(itemId);
}

void ListThumbnailLoader::clearThumbnails() {
  std::lock_guard lock(m_mutex);
  m_items.clear();
  m_queue.clearFinished();
}

void ListThumbnailLoader::reset(size_t capacity) {
  {
    std::lock_guard lock(m_mutex);
    m_queue.reset();
    m_items.clear();
    m_placeholderCells.clear();
    m_imageList = makeImageList(capacity);
  }
  if (m_sink.imageListRecreated) m_sink.imageListRecreated();
}

bool ListThumbnailLoader::load(const ThumbnailRequest& request) {
  DibBitmap cell;
  ListCell made;
  if (!makeListCell(m_style, m_badge.get(), &m_store, request.path, cell, &made)) return false;
  std::lock_guard lock(m_mutex);
  const int index = m_imageList->add(std::move(cell), made.origin);
  if (index < 0) return false;
  m_items[request.itemId] = index;
  // Under the lock that guards the map, so that the finished set and the map
  // agree, also across a reset.
  m_queue.markFinished(request.itemId);
  return true;
}

}  // namespace tavoro
