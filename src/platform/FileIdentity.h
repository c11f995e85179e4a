// Which version of a file a program read or wrote: its size, its time of
// last change and a hash of its bytes, so that a later save can tell whether
// the file on disk is still that one (a sync tool, a second computer or
// tavoro-cli may have replaced it) before it writes over it.
// Thread-safe (no shared state).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FileTime.h"
#include "Status.h"

namespace tavoro {

struct FileIdentity {
  bool exists = false;  // false: there was no file at the path
  uint64_t size = 0;
  FileTime modified;
  uint64_t hash = 0;  // ContentHash of the bytes
  bool operator==(const FileIdentity&) const = default;
};

// A 64-bit hash of bytes given in any pieces (the same bytes give the same
// value however they are cut). It tells versions of a file apart; it is not
// meant to resist someone who crafts a file to collide.
class ContentHash {
 public:
  void add(const void* data, size_t count);
  uint64_t value() const;

 private:
  void addWord(uint64_t word);
  uint64_t m_state = 0x27D4EB2F165667C5ull;
  uint64_t m_total = 0;
  uint64_t m_pending = 0;  // bytes not yet a whole word, little-endian
  unsigned m_pendingCount = 0;
};

// The reason of a Status from a save that found another file than expected.
inline constexpr const char* kChangedOnDiskReason = "the file changed on disk since it was read";
inline bool isChangedOnDisk(const Status& status) { return !status && status.reason() == kChangedOnDiskReason; }

// The identity of the file at path as it is now (a link followed); exists is
// false when nothing is there. A failure when it cannot be read. Take it
// before reading the file itself: should the file change in between, the
// next check reports a change, never the reverse.
Status readFileIdentity(std::wstring_view path, FileIdentity& out);

// Whether the file at path is still the one identity describes (or, for an
// identity that does not exist, that there is still no file). The size and
// time are compared first; the bytes are hashed only when they agree (a
// sync tool keeps times, and some file systems count in whole seconds).
// False also when the file cannot be read.
bool isSameFile(std::wstring_view path, const FileIdentity& identity);

}  // namespace tavoro
