// Tells folders apart by device and inode, so that a walk can notice a folder
// it has entered before under another name. Thread-safe (no shared state).
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace tavoro {

struct FolderIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  auto operator<=>(const FolderIdentity&) const = default;
};

// True when path is a folder, with out filled. A symbolic link counts as the
// folder it points to only when followLink is set.
bool folderIdentity(std::wstring_view path, bool followLink, FolderIdentity& out);

}  // namespace tavoro
