// A private scratch folder for a fuzz target's files, in memory when the
// system has a tmpfs at /dev/shm (the targets write files on every run).
#pragma once

#include <stdlib.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro::fuzz {

inline const std::wstring& scratchFolder() {
  static const std::wstring folder = [] {
    std::string pattern = isFolder(L"/dev/shm") ? "/dev/shm" : (getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp");
    pattern += "/tavoro-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) abort();
    return fromUtf8(pattern);
  }();
  return folder;
}

// Writes data to a file in the scratch folder and returns its path.
inline std::wstring scratchFile(const wchar_t* name, const uint8_t* data, size_t size) {
  const std::wstring path = scratchFolder() + L"/" + name;
  FILE* file = fopen(toUtf8(path).c_str(), "wb");
  if (!file || fwrite(data, 1, size, file) != size || fclose(file) != 0) abort();
  return path;
}

}  // namespace tavoro::fuzz
