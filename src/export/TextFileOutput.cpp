#include "TextFileOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Utf8.h"

namespace tavoro {

Status writeNewFile(std::wstring_view path, std::string_view bytes) {
  const int fd = ::open(toUtf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return Status::fromErrno(path);
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      Status failed = Status::fromErrno(path, n < 0 ? errno : ENOSPC);
      ::close(fd);
      return failed;
    }
    written += static_cast<size_t>(n);
  }
  if (::close(fd) != 0) return Status::fromErrno(path);
  return {};
}

}  // namespace tavoro
