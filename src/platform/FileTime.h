// A file's time stamps as the file system keeps them, compared exactly.
// Thread-safe (pure value type and a stateless query).
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace tavoro {

struct FileTime {
  int64_t seconds = 0;      // since the Unix epoch
  int32_t nanoseconds = 0;  // 0..999,999,999
  auto operator<=>(const FileTime&) const = default;
};

struct FileTimes {
  FileTime creation;  // birth time where the file system records it, else status change
  FileTime lastAccess;
  FileTime lastWrite;
};

// The three times of an existing file (links are followed). False when the
// file cannot be examined; out is then unchanged.
bool fileTimes(std::wstring_view path, FileTimes& out);

}  // namespace tavoro
