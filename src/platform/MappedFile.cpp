#include "MappedFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "Utf8.h"

namespace tavoro {

namespace {

// posix_fallocate reports errors as its result, not through errno.
bool reserve(int fd, uint64_t from, uint64_t to) {
  if (to <= from) return true;
  int rc;
  do {
    rc = ::posix_fallocate(fd, static_cast<off_t>(from), static_cast<off_t>(to - from));
  } while (rc == EINTR);
  return rc == 0;
}

}  // namespace

MappedFile::~MappedFile() {
  close(false);
}

bool MappedFile::create(std::wstring_view path, uint64_t size) {
  close(false);
  if (path.empty()) return false;
  const std::string bytes = toUtf8(path);
  // O_NONBLOCK: a FIFO planted under the name must not hang the open.
  const int fd = ::open(bytes.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  struct stat st {};
  // The file is emptied only once it is known to be ours and no longer in
  // use: emptying a file that another process has mapped would make its
  // next access fault.
  const bool usable = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
                      ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fchmod(fd, 0600) == 0 && ::ftruncate(fd, 0) == 0 &&
                      reserve(fd, 0, size);
  if (!usable) {
    ::close(fd);
    return false;
  }
  m_fd = fd;
  m_path = std::wstring(path);
  m_size = size;
  return true;
}

bool MappedFile::grow(uint64_t newSize) {
  if (m_fd < 0) return false;
  if (newSize <= m_size) return true;
  if (!reserve(m_fd, m_size, newSize)) {
    // A partial reservation may have extended the file; the records behind
    // m_size stay unused either way, but the length is put back.
    (void)::ftruncate(m_fd, static_cast<off_t>(m_size));
    return false;
  }
  m_size = newSize;
  return true;
}

uint8_t* MappedFile::view(uint64_t offset, uint64_t length, int which) {
  if (m_fd < 0 || !validView(which) || length == 0 || offset > m_size || length > m_size - offset) return nullptr;
  View& view = m_views[which];
  if (view.memory && offset >= view.offset && offset + length <= view.offset + view.length)
    return view.memory + (offset - view.offset);
  unmap(view);
  const uint64_t start = offset / kGranularity * kGranularity;
  const uint64_t rangeEnd = offset + length;
  const uint64_t windowEnd = std::max(start + kViewLimit, (rangeEnd + kGranularity - 1) / kGranularity * kGranularity);
  const uint64_t mapLength = std::min(m_size, windowEnd) - start;
  void* p = ::mmap(nullptr, mapLength, PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, static_cast<off_t>(start));
  if (p == MAP_FAILED) return nullptr;
  view = {static_cast<uint8_t*>(p), start, mapLength};
  return view.memory + (offset - start);
}

void MappedFile::unmap(View& view) {
  if (view.memory) ::munmap(view.memory, view.length);
  view = {};
}

void MappedFile::close(bool deleteFile) {
  for (View& view : m_views) unmap(view);
  if (m_fd < 0) return;
  if (deleteFile) {
    // Only while the name still leads to this file.
    const std::string bytes = toUtf8(m_path);
    struct stat mine {
    }, named{};
    if (::fstat(m_fd, &mine) == 0 && ::lstat(bytes.c_str(), &named) == 0 && mine.st_dev == named.st_dev &&
        mine.st_ino == named.st_ino)
      ::unlink(bytes.c_str());
  }
  ::close(m_fd);
  m_fd = -1;
  m_path.clear();
  m_size = 0;
}

}  // namespace tavoro
