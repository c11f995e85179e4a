// A private scratch file kept in memory through a shared mapping: created
// anew, owner-only and locked against other processes, grown on demand, seen
// through two views at most. Not thread-safe: its owner serialises the calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavoro {

class MappedFile {
 public:
  // Views start on multiples of this.
  static constexpr uint64_t kGranularity = 65536;
  // A view spans at most this much (unless one range asks for more): every
  // page touched through a view counts in the process's memory for as long
  // as it is mapped, so a view to the end of a large file would keep all of
  // the file that was ever touched.
  static constexpr uint64_t kViewLimit = 32 * kGranularity;

  MappedFile() = default;
  // Unmaps and closes; the file itself stays.
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // Creates the file at path with mode 0600, or empties the one found there
  // (never through a symbolic link, never another user's file), locks it
  // exclusively and gives it size bytes of zeros. False, and nothing open,
  // when any step fails, also when another process holds the file.
  bool create(std::wstring_view path, uint64_t size);
  bool isOpen() const { return m_fd >= 0; }
  const std::wstring& path() const { return m_path; }
  uint64_t size() const { return m_size; }

  // Extends the file with zeros to newSize, reserving the space, so that a
  // full disk is met here rather than as a fault when a view is written.
  // False, and the size unchanged, when the space cannot be had.
  bool grow(uint64_t newSize);

  // Two views, so that one thread appending and another reading back what
  // was written earlier do not take each other's view away.
  static constexpr int kViews = 2;

  // Writable memory for [offset, offset + length) of the file through view
  // number which (0 or 1), valid until the next call for that view, grow or
  // close.
  // The view is reused when it covers the range; otherwise the file is mapped
  // again from the granule that holds offset, kViewLimit bytes or to the end
  // of the range if that is further (never past the end of the file). Null
  // when the range is not inside the file, which is not a view or the
  // mapping fails.
  uint8_t* view(uint64_t offset, uint64_t length, int which = 0);
  // Where a view starts and how long it is (0, 0 without one).
  uint64_t viewOffset(int which = 0) const { return validView(which) ? m_views[which].offset : 0; }
  uint64_t viewLength(int which = 0) const { return validView(which) ? m_views[which].length : 0; }

  // Unmaps and closes; with deleteFile the file is removed first, while it
  // is still locked.
  void close(bool deleteFile);

 private:
  struct View {
    uint8_t* memory = nullptr;
    uint64_t offset = 0;
    uint64_t length = 0;
  };
  static bool validView(int which) { return which >= 0 && which < kViews; }
  static void unmap(View& view);

  int m_fd = -1;
  std::wstring m_path;
  uint64_t m_size = 0;
  View m_views[kViews];
};

}  // namespace tavoro
