#include "StagedOutput.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro {

namespace {

// Flushes a file or folder (with everything the file system holds of it).
bool syncPath(const std::string& path, bool wholeFileSystem) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  // One syncfs writes the thousands of files of a catalogue at once, where
  // an fsync per file would wait for the disk thousands of times.
  const bool ok = (wholeFileSystem ? ::syncfs(fd) : ::fsync(fd)) == 0;
  ::close(fd);
  return ok;
}

// The process's file-creation mask, read without umask(), whose reading
// means setting it for a moment under the feet of other threads.
mode_t currentUmask() {
  std::FILE* status = std::fopen("/proc/self/status", "re");
  unsigned mask = 022;
  if (status) {
    char line[256];
    while (std::fgets(line, sizeof line, status))
      if (std::sscanf(line, "Umask: %o", &mask) == 1) break;
    std::fclose(status);
  }
  return static_cast<mode_t>(mask & 0777);
}

}  // namespace

StagedOutput::~StagedOutput() { discard(); }

Status StagedOutput::begin(std::wstring_view target, Kind kind) {
  discard();
  const std::wstring path = lexicalPath(target);
  const std::wstring folder = pathFolder(path);
  const std::wstring name = pathFileName(path);
  if (name.empty() || name == L"." || name == L"..") return Status::failure(target, "not a file or folder name");
  if (pathExists(path)) return Status::failure(path, "exists already");
  if (!isFolder(folder.empty() ? L"." : folder)) return Status::failure(folder, "no such folder");
  std::string pattern = toUtf8(joinLexical(folder.empty() ? L"." : folder, L"." + name + L".partial-XXXXXX"));
  if (kind == Kind::Folder) {
    if (!::mkdtemp(pattern.data())) return Status::fromErrno(fromUtf8(pattern));
  } else {
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return Status::fromErrno(fromUtf8(pattern));
    // mkostemp makes the file 0600; an export is a file like any other.
    ::fchmod(fd, 0666 & ~currentUmask());
    ::close(fd);
  }
  m_target = path;
  m_staging = fromUtf8(pattern);
  m_kind = kind;
  return {};
}

Status StagedOutput::commit() {
  if (m_staging.empty()) return Status::failure(m_target, "nothing was written");
  const std::string staging = toUtf8(m_staging);
  // mkdtemp makes the folder 0700 so that nobody looks in while it is written.
  if (m_kind == Kind::Folder) ::chmod(staging.c_str(), 0777 & ~currentUmask());
  if (!syncPath(staging, m_kind == Kind::Folder)) {
    Status failed = Status::fromErrno(m_staging);
    discard();
    return failed;
  }
  Status renamed = renameNoReplace(m_staging, m_target);
  if (!renamed) {
    discard();
    return renamed;
  }
  m_staging.clear();
  syncPath(toUtf8(pathFolder(m_target).empty() ? L"." : pathFolder(m_target)), false);
  return {};
}

Status StagedOutput::atTarget(Status status) const {
  const std::wstring& path = status.path();
  if (status.ok() || m_staging.empty() || path.compare(0, m_staging.size(), m_staging) != 0) return status;
  return Status::failure(m_target + path.substr(m_staging.size()), status.reason());
}

void StagedOutput::discard() {
  if (m_staging.empty()) return;
  if (m_kind == Kind::Folder)
    removeTree(m_staging);
  else
    removeFile(m_staging);
  m_staging.clear();
}

Status renameNoReplace(std::wstring_view from, std::wstring_view to) {
  const std::string source = toUtf8(from);
  const std::string target = toUtf8(to);
  if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno == EEXIST) return Status::failure(to, "exists already");
  if (errno != EINVAL && errno != ENOSYS) return Status::fromErrno(to);
  // A file system without the flag: a hard link refuses an existing target
  // for a file; a folder can only be checked first.
  struct stat info {};
  if (::lstat(source.c_str(), &info) != 0) return Status::fromErrno(from);
  if (S_ISDIR(info.st_mode)) {
    if (::lstat(target.c_str(), &info) == 0) return Status::failure(to, "exists already");
    if (::rename(source.c_str(), target.c_str()) != 0) return Status::fromErrno(to);
    return {};
  }
  if (::link(source.c_str(), target.c_str()) != 0)
    return errno == EEXIST ? Status::failure(to, "exists already") : Status::fromErrno(to);
  ::unlink(source.c_str());
  return {};
}

}  // namespace tavoro
