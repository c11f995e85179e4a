#include "ui/items/ListThumbnails.h"

#include "imaging/thumbnails/CellImageList.h"
#include "imaging/thumbnails/ExifBadge.h"
#include "imaging/thumbnails/ListThumbnailLoader.h"
#include "imaging/thumbnails/ThumbnailStore.h"
#include "ui/common/DibImage.h"
#include "ui/items/FileIcons.h"

namespace tavoro::ui {

namespace {

// Pictures kept ready for painting: a few screens full of cells.
constexpr int kPicturesKept = 600;

}  // namespace

ListThumbnails::ListThumbnails(QObject* parent, ThumbnailStore* store, size_t cellsKept)
    : QObject(parent), m_pictures(kPicturesKept) {
  const ListCellStyle style;
  ListThumbnailSink sink;
  sink.thumbnailReady = [this](int32_t entryNumber) { onLoaderFinished(entryNumber); };
  // Called inside reset(), on this thread.
  sink.imageListRecreated = [this] { takeImageList(); };
  m_loader = std::make_unique<ListThumbnailLoader>(
      store ? *store : listViewStore(), style, std::make_shared<const DibBitmap>(makeExifBadge()),
      [style](std::wstring_view path) { return placeholderIcon(path, style); }, std::move(sink),
      cellsKept ? cellsKept : CellImageList::kDefaultKept);
  m_cells = m_loader->imageList();
}

ListThumbnails::~ListThumbnails() {
  m_loader.reset();
}

void ListThumbnails::request(int32_t entryNumber, const std::wstring& photoPath) {
  m_loader->requestThumbnail(entryNumber, photoPath);
}

void ListThumbnails::requestBatch(std::vector<ThumbnailRequest> batch) {
  if (!batch.empty()) m_loader->requestThumbnails(std::move(batch));
}

QImage ListThumbnails::picture(int32_t entryNumber, const std::wstring& photoPath) {
  int index = m_loader->imageIndexFor(entryNumber, photoPath);
  if (index < 0) return QImage();
  if (const QImage* kept = m_pictures.object(index)) return *kept;
  std::shared_ptr<const DibBitmap> cell = m_cells->at(index);
  if (!cell) {
    // Its stored thumbnail is gone: made again from the photo.
    m_loader->forget(entryNumber);
    m_loader->requestThumbnail(entryNumber, photoPath);
    index = m_loader->imageIndexFor(entryNumber, photoPath);
    if (index < 0) return QImage();
    if (const QImage* kept = m_pictures.object(index)) return *kept;
    cell = m_cells->at(index);
    if (!cell) return QImage();
  }
  QImage image = toPaintableQImage(*cell);
  m_pictures.insert(index, new QImage(image));
  return image;
}

void ListThumbnails::forget(int32_t entryNumber) {
  m_loader->forget(entryNumber);
}

void ListThumbnails::clearThumbnails() {
  m_loader->clearThumbnails();
}

void ListThumbnails::reset(size_t capacity) {
  m_loader->reset(capacity);
}

void ListThumbnails::takeImageList() {
  // m_loader is still being made when the constructor's reset could call this.
  if (m_loader) m_cells = m_loader->imageList();
  m_pictures.clear();
  emit picturesReplaced();
}

void ListThumbnails::onLoaderFinished(int32_t entryNumber) {
  bool first = false;
  {
    std::lock_guard lock(m_arrivalMutex);
    first = m_arrived.empty();
    m_arrived.push_back(entryNumber);
  }
  // The loader's destructor waits for this thread before this object goes,
  // and Qt drops a queued call whose receiver is gone.
  if (first) QMetaObject::invokeMethod(this, &ListThumbnails::deliver, Qt::QueuedConnection);
}

void ListThumbnails::deliver() {
  std::vector<int32_t> arrived;
  {
    std::lock_guard lock(m_arrivalMutex);
    arrived.swap(m_arrived);
  }
  if (!arrived.empty()) emit thumbnailsReady(QList<int32_t>(arrived.begin(), arrived.end()));
}

}  // namespace tavoro::ui
