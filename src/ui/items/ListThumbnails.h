// The item list's thumbnails: its ListThumbnailLoader, the pictures of the
// cells as the views paint them, and the hand-over of finished thumbnails
// from the loader thread to the user-interface thread in batches (one queued
// call however many arrive meanwhile, so that a stream of thumbnails never
// floods the event loop). User-interface thread only, apart from what the
// loader thread does inside.
#pragma once

#include <QCache>
#include <QImage>
#include <QList>
#include <QObject>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "imaging/thumbnails/ThumbnailRequest.h"

namespace tavoro {
class CellImageList;
class ListThumbnailLoader;
class ThumbnailStore;
}  // namespace tavoro

namespace tavoro::ui {

class ListThumbnails : public QObject {
  Q_OBJECT

 public:
  // Over the program's list-view store; store, and how many cells of
  // finished thumbnails stay in memory (0: the loader's default), may be
  // given for tests.
  explicit ListThumbnails(QObject* parent = nullptr, ThumbnailStore* store = nullptr, size_t cellsKept = 0);
  // Stops the loader thread first: no thumbnail is announced afterwards.
  ~ListThumbnails() override;

  ListThumbnailLoader& loader() const { return *m_loader; }

  // One thumbnail, ahead of the background work.
  void request(int32_t entryNumber, const std::wstring& photoPath);
  // Several, in their order, at the front of the background work.
  void requestBatch(std::vector<ThumbnailRequest> batch);
  // What the entry shows: its cell, or else the placeholder cell with its
  // file's icon; a null image when there is neither. A cell that left
  // memory and cannot be made again from the store is asked for anew, and
  // the placeholder shows until it is there.
  QImage picture(int32_t entryNumber, const std::wstring& photoPath);

  void forget(int32_t entryNumber);
  // Every finished thumbnail is made again when next asked for.
  void clearThumbnails();
  // Drops the queued requests and every cell; room for capacity cells.
  void reset(size_t capacity);

 signals:
  // Thumbnails of these entries are ready (in the order they were finished).
  void thumbnailsReady(const QList<int32_t>& entryNumbers);
  // The cells are all new: whatever shows them paints again.
  void picturesReplaced();

 private:
  void onLoaderFinished(int32_t entryNumber);  // loader thread
  void deliver();
  void takeImageList();

  std::mutex m_arrivalMutex;
  std::vector<int32_t> m_arrived;  // guarded by m_arrivalMutex

  std::shared_ptr<CellImageList> m_cells;
  QCache<int, QImage> m_pictures;  // by cell index, for painting
  // Last: it is gone, and its thread with it, before anything it reports to.
  std::unique_ptr<ListThumbnailLoader> m_loader;
};

}  // namespace tavoro::ui
