#include "OpenFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileSystem.h"
#include "Utf8.h"

namespace tavoro {

OpenFolder::OpenFolder(std::wstring_view path) {
  if (path.empty()) return;
  m_fd = ::open(toUtf8(path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (m_fd < 0) return;
  m_prefix = std::wstring(path);
  if (m_prefix.back() != L'/') m_prefix.push_back(L'/');
}

OpenFolder::~OpenFolder() {
  if (m_fd >= 0) ::close(m_fd);
}

bool OpenFolder::isFile(std::wstring_view path) const {
  // Below the folder means after its prefix, and not from the root again.
  if (m_fd < 0 || path.size() <= m_prefix.size() || !path.starts_with(m_prefix) || path[m_prefix.size()] == L'/')
    return tavoro::isFile(path);
  struct stat st {};
  return ::fstatat(m_fd, toUtf8(path.substr(m_prefix.size())).c_str(), &st, 0) == 0 && S_ISREG(st.st_mode);
}

}  // namespace tavoro
