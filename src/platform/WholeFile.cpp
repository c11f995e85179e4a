#include "WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

#include "FileSystem.h"
#include "SaveTemporaries.h"
#include "Utf8.h"

namespace tavoro {

namespace {

class FdGuard {
 public:
  explicit FdGuard(int fd) : m_fd(fd) {}
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;
  ~FdGuard() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int get() const { return m_fd; }
  void reset(int fd) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = fd;
  }
  int release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
  }

 private:
  int m_fd;
};

// Opens a regular file of at most maxBytes for reading into guard, with its
// size; the status says why not otherwise.
FileReadStatus openForReading(std::wstring_view path, size_t maxBytes, FdGuard& guard, size_t& size) {
  if (path.empty()) return FileReadStatus::Missing;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  const int fd = ::open(toUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::Failed;
  guard.reset(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return FileReadStatus::Failed;
  if (!S_ISREG(st.st_mode)) return FileReadStatus::NotAFile;
  if (static_cast<uint64_t>(st.st_size) > maxBytes) return FileReadStatus::TooLarge;
  size = static_cast<size_t>(st.st_size);
  return FileReadStatus::Ok;
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // the rename is durable only once the folder is; a failure here loses nothing
  ::close(fd);
}

}  // namespace

FileReadStatus readWholeFile(std::wstring_view path, size_t maxBytes, std::string& out) {
  out.clear();
  FdGuard guard(-1);
  size_t size = 0;
  if (const FileReadStatus opened = openForReading(path, maxBytes, guard, size); opened != FileReadStatus::Ok)
    return opened;
  const int fd = guard.get();

  std::string bytes;
  bytes.resize(size + 1);
  size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled > maxBytes) return FileReadStatus::TooLarge;  // it grew since fstat
      bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
    }
    const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileReadStatus::Failed;
    if (n == 0) break;
    filled += static_cast<size_t>(n);
  }
  if (filled > maxBytes) return FileReadStatus::TooLarge;
  bytes.resize(filled);
  out = std::move(bytes);
  return FileReadStatus::Ok;
}

FileReadStatus readFileStart(std::wstring_view path, size_t count, size_t maxBytes, std::string& out, bool& whole) {
  out.clear();
  whole = false;
  FdGuard guard(-1);
  size_t size = 0;
  if (const FileReadStatus opened = openForReading(path, maxBytes, guard, size); opened != FileReadStatus::Ok)
    return opened;
  const int fd = guard.get();

  // One byte more than wanted shows whether the file goes on.
  std::string bytes(std::min({count, maxBytes, size}) + 1, '\0');
  size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileReadStatus::Failed;
    if (n == 0) break;
    filled += static_cast<size_t>(n);
  }
  whole = filled < bytes.size();
  if (!whole && count >= maxBytes) return FileReadStatus::TooLarge;  // it grew past the limit
  bytes.resize(std::min(filled, count));
  out = std::move(bytes);
  return FileReadStatus::Ok;
}

Status readWholeFileStatus(std::wstring_view path, size_t maxBytes, std::string& out) {
  errno = 0;
  switch (readWholeFile(path, maxBytes, out)) {
    case FileReadStatus::Ok:
      return {};
    case FileReadStatus::TooLarge:
      return Status::failure(path, "file too large");
    case FileReadStatus::NotAFile:
      return Status::failure(path, isFolder(path) ? std::strerror(EISDIR) : "not a regular file");
    case FileReadStatus::Missing:
      return Status::fromErrno(path, path.empty() || errno == 0 ? ENOENT : errno);
    case FileReadStatus::Failed:
      break;
  }
  return Status::fromErrno(path, errno == 0 ? EIO : errno);
}

Status replaceFileAtomically(std::wstring_view path, const std::function<bool(std::FILE*)>& write,
                             const FileIdentity* expected, FileIdentity* written) {
  if (path.empty()) return Status::fromErrno(path, ENOENT);
  const std::string target = resolvedSaveTarget(path);
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return Status::fromErrno(path);
  if (exists) {
    if (S_ISDIR(existing.st_mode)) return Status::fromErrno(path, EISDIR);
    if (!S_ISREG(existing.st_mode)) return Status::failure(path, "not a regular file");
    // Writing in place would fail on a read-only file; so must replacing it.
    const int probe = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (probe < 0) return Status::fromErrno(path);
    ::close(probe);
  }

  const std::string folder = folderOf(target);
  // What earlier saves that were killed left beside the file goes first.
  removeStaleSaveTemporaries(path);
  std::string temporary;
  FdGuard fd(createSaveTemporary(folder, temporary));
  if (fd.get() < 0) return Status::fromErrno(path);
  // The temporary's lock is held through a second descriptor until the
  // rename is done, so that no other program takes it for a stale one.
  const FdGuard lockHolder(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
  int error = 0;  // the first failure's, which decides the reason
  const auto fail = [&error] {
    if (error == 0) error = errno != 0 ? errno : EIO;
    return false;
  };
  bool ok = !exists || ::fchmod(fd.get(), existing.st_mode & 07777) == 0 || fail();

  std::FILE* file = ok ? ::fdopen(fd.get(), "wb") : nullptr;
  bool tooLarge = false;
  if (file) {
    fd.release();                                          // the stream owns the descriptor now
    std::setvbuf(file, nullptr, _IOFBF, size_t{1} << 16);  // fewer, larger writes
    errno = 0;
    ok = write(file);
    if (!ok && std::ferror(file)) fail();
    tooLarge = !ok && error == 0;
    ok = ((std::fflush(file) == 0 && !std::ferror(file)) || fail()) && ok;
    ok = ok && (::fsync(::fileno(file)) == 0 || fail());
    ok = (std::fclose(file) == 0 || fail()) && ok;
  } else {
    ok = ok && fail();
  }
  // The file written is renamed, not changed: its identity is the target's afterwards.
  if (ok && written && !readFileIdentity(fromUtf8(temporary), *written)) ok = fail();
  // Checked as late as can be: the target is replaced a moment later.
  const bool changed = ok && expected && !isSameFile(path, *expected);
  ok = ok && !changed && (::rename(temporary.c_str(), target.c_str()) == 0 || fail());
  if (!ok) {
    ::unlink(temporary.c_str());
    if (changed) return Status::failure(path, kChangedOnDiskReason);
    if (tooLarge) return Status::failure(path, "file too large");
    return Status::fromErrno(path, error != 0 ? error : EIO);
  }
  syncFolder(folder);
  return {};
}

}  // namespace tavoro
