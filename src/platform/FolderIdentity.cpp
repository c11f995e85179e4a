#include "FolderIdentity.h"

#include <sys/stat.h>

#include "Utf8.h"

namespace tavoro {

bool folderIdentity(std::wstring_view path, bool followLink, FolderIdentity& out) {
  if (path.empty()) return false;
  const std::string bytes = toUtf8(path);
  struct stat st {};
  const int rc = followLink ? ::stat(bytes.c_str(), &st) : ::lstat(bytes.c_str(), &st);
  if (rc != 0 || !S_ISDIR(st.st_mode)) return false;
  out = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
  return true;
}

}  // namespace tavoro
