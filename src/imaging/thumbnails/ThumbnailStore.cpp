#include "ThumbnailStore.h"

#include <cstring>
#include <vector>

#include "ThumbnailBmp.h"
#include "imaging/DibBitmap.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/LocalProcess.h"
#include "platform/PathOps.h"

namespace tavoro {

namespace {

std::atomic<uint32_t> g_nextEntryId{1};

// Records are appended through one view and read back through the other, so
// that a thread painting earlier thumbnails and the loader appending new ones
// do not map the file again at every turn.
constexpr int kAppendView = 0;
constexpr int kReadView = 1;

bool lastWriteOf(std::wstring_view path, FileTime& out) {
  FileTimes times;
  if (!fileTimes(path, times)) return false;
  out = times.lastWrite;
  return true;
}

void storeLittleEndian(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t loadLittleEndian(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

ThumbnailStore::~ThumbnailStore() {
  close();
}

bool ThumbnailStore::open(std::wstring_view fileName, std::wstring_view folder) {
  std::lock_guard lock(m_mutex);
  std::wstring where(folder);
  if (where.empty()) {
    if (ensureTempFolder() == TempFolderSetUp::Failed) return false;
    where = AppPaths::tempFolder();
  }
  const std::wstring path = normalizePath(joinPath(where, fileName));
  if (m_file.isOpen()) return samePath(m_file.path(), path) || samePath(m_file.path(), ownCopyPath(path));
  m_index.clear();
  m_used = 0;
  // A second instance finds the file locked by the first; without a store of
  // its own it would decode every thumbnail anew and keep none.
  return m_file.create(path, kChunkSize) || (isFile(path) && m_file.create(ownCopyPath(path), kChunkSize));
}

std::wstring ThumbnailStore::ownCopyPath(std::wstring_view path) {
  return std::wstring(path) + L"." + std::to_wstring(localProcessId());
}

bool ThumbnailStore::isOpen() const {
  std::lock_guard lock(m_mutex);
  return m_file.isOpen();
}

void ThumbnailStore::close() {
  std::lock_guard lock(m_mutex);
  m_file.close(true);
  m_index.clear();
  m_used = 0;
}

bool ThumbnailStore::put(const DibBitmap& thumbnail, std::wstring_view photoPath, ThumbnailStoreEntry* stored) {
  if (!isOpen()) return false;
  // The photo file and the encoding, before the lock.
  ThumbnailStoreEntry entry;
  std::vector<uint8_t> bmp;
  const bool ready =
      thumbnail.bitsPerPixel() == 24 && lastWriteOf(photoPath, entry.lastWrite) && encodeThumbnail(thumbnail, bmp);

  std::lock_guard lock(m_mutex);
  if (const auto it = m_index.find(photoPath); it != m_index.end()) m_index.erase(it);
  if (!ready || !m_file.isOpen()) return false;
  entry.id = g_nextEntryId.fetch_add(1, std::memory_order_relaxed);
  const uint64_t size = 4 + static_cast<uint64_t>(bmp.size());
  if (m_used + size > m_file.size()) {
    const uint64_t missing = m_used + size - m_file.size();
    const uint64_t chunks = (missing + kChunkSize - 1) / kChunkSize;
    if (!m_file.grow(m_file.size() + chunks * kChunkSize)) return false;
  }
  uint8_t* record = m_file.view(m_used, size, kAppendView);
  if (!record) return false;
  storeLittleEndian(record, entry.id);
  std::memcpy(record + 4, bmp.data(), bmp.size());

  entry.offset = static_cast<int64_t>(m_used);
  entry.size = size;
  m_used += size;
  m_index.emplace(std::wstring(photoPath), entry);
  if (stored) *stored = entry;
  return true;
}

bool ThumbnailStore::get(DibBitmap& thumbnail, std::wstring_view photoPath, ThumbnailStoreEntry* found) {
  ThumbnailStoreEntry entry;
  {
    std::lock_guard lock(m_mutex);
    if (!m_file.isOpen()) return false;
    const auto it = m_index.find(photoPath);
    if (it == m_index.end()) return false;
    entry = it->second;
  }
  // The photo file after the lock. A put for the same photo meanwhile leaves
  // this entry's record as it was: it is still the thumbnail of that time.
  FileTime now;
  if (!lastWriteOf(photoPath, now) || now != entry.lastWrite) return false;
  if (!read(entry, thumbnail)) return false;
  if (found) *found = entry;
  return true;
}

bool ThumbnailStore::read(const ThumbnailStoreEntry& entry, DibBitmap& thumbnail) {
  std::lock_guard lock(m_mutex);
  if (!m_file.isOpen()) return false;
  if (entry.offset < 0 || static_cast<uint64_t>(entry.offset) >= m_used || entry.size <= 4 ||
      entry.size > m_used - static_cast<uint64_t>(entry.offset))
    return false;
  const uint8_t* record = m_file.view(static_cast<uint64_t>(entry.offset), entry.size, kReadView);
  // The id tells a record of this opening from whatever lies there after the
  // store was closed and opened anew: ids are never used twice.
  if (!record || loadLittleEndian(record) != entry.id) return false;
  return decodeThumbnail(record + 4, entry.size - 4, thumbnail);
}

std::wstring ThumbnailStore::filePath() const {
  std::lock_guard lock(m_mutex);
  return m_file.path();
}

uint64_t ThumbnailStore::used() const {
  std::lock_guard lock(m_mutex);
  return m_used;
}

uint64_t ThumbnailStore::mappingSize() const {
  std::lock_guard lock(m_mutex);
  return m_file.size();
}

std::optional<ThumbnailStoreEntry> ThumbnailStore::entryFor(std::wstring_view photoPath) const {
  std::lock_guard lock(m_mutex);
  const auto it = m_index.find(photoPath);
  if (it == m_index.end()) return std::nullopt;
  return it->second;
}

namespace {

ThumbnailStore& openedStore(ThumbnailStore& store, const wchar_t* fileName) {
  if (!store.isOpen()) store.open(fileName);
  return store;
}

}  // namespace

ThumbnailStore& listViewStore() {
  static ThumbnailStore store;
  return openedStore(store, ThumbnailStore::kListViewFileName);
}

ThumbnailStore& previewStore() {
  static ThumbnailStore store;
  return openedStore(store, ThumbnailStore::kPreviewFileName);
}

}  // namespace tavoro
