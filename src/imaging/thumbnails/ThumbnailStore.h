// A store of thumbnails for the length of a run: each one a record (entry id,
// then a complete 24-bit BMP file) appended to a scratch file in the private
// temporary folder that is mapped into memory, with an index from photo path
// to record. A photo whose file changed is a miss, so it is decoded again.
// Thread-safe: every operation holds the store's mutex, but never while it
// looks at a photo file or encodes a bitmap, so that a thread reading a
// record back does not wait for another's file system.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileTime.h"
#include "platform/MappedFile.h"

namespace tavoro {

class DibBitmap;

struct ThumbnailStoreEntry {
  uint32_t id = 0;      // unique for the life of the process
  FileTime lastWrite;   // of the photo file when its thumbnail was stored
  int64_t offset = -1;  // of the record in the store file
  uint64_t size = 0;    // of the record: 4 bytes of id and the BMP file
};

class ThumbnailStore {
 public:
  // The file grows by this much at a time (ten granules of the mapping).
  static constexpr uint64_t kChunkSize = 10 * MappedFile::kGranularity;
  static constexpr const wchar_t* kListViewFileName = L"ThumbCache_LV.tcf";
  static constexpr const wchar_t* kPreviewFileName = L"ThumbCache_PV.tcf";

  ThumbnailStore() = default;
  // Closes the store, which deletes its file.
  ~ThumbnailStore();
  ThumbnailStore(const ThumbnailStore&) = delete;
  ThumbnailStore& operator=(const ThumbnailStore&) = delete;

  // Creates the store file fileName in folder (empty: the private temporary
  // folder, made if missing) with one chunk; a file of that name left by an
  // earlier run is emptied. When another process holds that file, the store
  // is a file of this process's own beside it (ownCopyPath). An open store
  // succeeds only for the same path. False when no file can be had: every get
  // then misses and every put fails.
  bool open(std::wstring_view fileName, std::wstring_view folder = {});
  // The store file of this process when another holds path: path.<process id>.
  static std::wstring ownCopyPath(std::wstring_view path);
  bool isOpen() const;
  // Unmaps and closes the file, deletes it and forgets every entry.
  void close();

  // Appends the thumbnail of the photo at photoPath and points the index at
  // it, replacing any earlier entry; the new entry into stored, if given.
  // False, storing nothing, when the store is not open, the photo file cannot
  // be examined, the bitmap is not a valid 24-bit bitmap or the file cannot
  // grow.
  bool put(const DibBitmap& thumbnail, std::wstring_view photoPath, ThumbnailStoreEntry* stored = nullptr);
  // The stored thumbnail of the photo into thumbnail, and its entry into
  // found, if given. False (a miss) when there is none, the photo file has
  // changed or is gone since, or the record cannot be read; thumbnail is
  // then unchanged.
  bool get(DibBitmap& thumbnail, std::wstring_view photoPath, ThumbnailStoreEntry* found = nullptr);
  // The thumbnail of an entry that put or get gave, whatever the index says
  // of its photo now (records are never rewritten), without looking at the
  // photo file. False, thumbnail unchanged, when the store no longer holds
  // that record (closed, or opened anew since) or it cannot be decoded.
  bool read(const ThumbnailStoreEntry& entry, DibBitmap& thumbnail);

  // For tests and diagnostics.
  std::wstring filePath() const;
  uint64_t used() const;
  uint64_t mappingSize() const;
  std::optional<ThumbnailStoreEntry> entryFor(std::wstring_view photoPath) const;

 private:
  mutable std::mutex m_mutex;
  MappedFile m_file;
  uint64_t m_used = 0;
  // Ordered by the exact path text: names that differ in case are two photos.
  std::map<std::wstring, ThumbnailStoreEntry, std::less<>> m_index;
};

// The two stores of the program, opened with their file names on first use
// and closed (their files deleted) at exit. An open that fails is tried again
// at the next call.
ThumbnailStore& listViewStore();
ThumbnailStore& previewStore();

}  // namespace tavoro
