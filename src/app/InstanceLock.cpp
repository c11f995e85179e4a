#include "InstanceLock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/AppPaths.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro {

std::wstring instanceLockPath() { return joinPath(AppPaths::tempFolder(), std::wstring(kInstanceName) + L".lock"); }

std::wstring instanceSocketPath() { return joinPath(AppPaths::tempFolder(), kInstanceName); }

InstanceLock::~InstanceLock() {
  if (m_fd >= 0) ::close(m_fd);
}

InstanceLock::Result InstanceLock::acquire(std::wstring_view path) {
  if (m_fd >= 0) return Result::Acquired;
  const int fd = ::open(toUtf8(path).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return Result::Failed;
  int status;
  do {
    status = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (status != 0 && errno == EINTR);
  if (status != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? Result::HeldElsewhere : Result::Failed;
  }
  m_fd = fd;
  return Result::Acquired;
}

}  // namespace tavoro
