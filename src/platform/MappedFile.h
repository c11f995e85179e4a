// A private scratch file kept in memory through a shared mapping: created
// anew, owner-only and locked against other processes, grown on demand, seen
// through one view at a time. Not thread-safe: its owner serialises the calls.
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

  // Writable memory for [offset, offset + length) of the file, valid until the
  // next view, grow or close. The current view is reused when it covers the
  // range; otherwise the file is mapped again from the granule that holds
  // offset to its end. Null when the range is not inside the file or the
  // mapping fails.
  uint8_t* view(uint64_t offset, uint64_t length);
  // Where the current view starts and how long it is (0, 0 without one).
  uint64_t viewOffset() const { return m_viewOffset; }
  uint64_t viewLength() const { return m_viewLength; }

  // Unmaps and closes; with deleteFile the file is removed first, while it
  // is still locked.
  void close(bool deleteFile);

 private:
  void unmap();

  int m_fd = -1;
  std::wstring m_path;
  uint64_t m_size = 0;
  uint8_t* m_view = nullptr;
  uint64_t m_viewOffset = 0;
  uint64_t m_viewLength = 0;
};

}  // namespace tavoro
