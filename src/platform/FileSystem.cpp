#include "FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "Utf8.h"

namespace tavoro {

namespace {

struct Fd {
  int fd = -1;
  explicit Fd(int f) : fd(f) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

int statMode(const std::string& path, bool followLinks) {
  struct stat st {};
  const int rc = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
  return rc == 0 ? static_cast<int>(st.st_mode) : -1;
}

EntryKind kindOf(mode_t mode) {
  if (S_ISLNK(mode)) return EntryKind::Link;
  if (S_ISDIR(mode)) return EntryKind::Folder;
  if (S_ISREG(mode)) return EntryKind::File;
  return EntryKind::Other;
}

bool readNames(int dirFd, std::vector<FolderEntry>& out) {
  const int dupFd = ::dup(dirFd);
  if (dupFd < 0) return false;
  DIR* dir = ::fdopendir(dupFd);
  if (!dir) {
    ::close(dupFd);
    return false;
  }
  ::rewinddir(dir);
  errno = 0;
  while (const dirent* e = ::readdir(dir)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    struct stat st {};
    EntryKind kind = EntryKind::Other;
    if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) kind = kindOf(st.st_mode);
    out.push_back({fromUtf8(e->d_name), kind});
  }
  const bool ok = errno == 0;
  ::closedir(dir);
  return ok;
}

// Removes every entry below dirFd, depth first; links are unlinked, not followed.
bool removeContents(int dirFd, int depth) {
  if (depth > 4096) return false;
  std::vector<FolderEntry> entries;
  if (!readNames(dirFd, entries)) return false;
  for (const FolderEntry& entry : entries) {
    const std::string name = toUtf8(entry.name);
    if (entry.kind == EntryKind::Folder) {
      const int sub = ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (sub < 0) return false;
      Fd guard(sub);
      if (!removeContents(sub, depth + 1)) return false;
      if (::unlinkat(dirFd, name.c_str(), AT_REMOVEDIR) != 0) return false;
      continue;
    }
    if (::unlinkat(dirFd, name.c_str(), 0) == 0) continue;
    // A folder without write permission (the read-only attribute of other
    // systems) is made writable for its owner once, then the entry is retried.
    if (errno != EACCES && errno != EPERM) return false;
    if (::fchmod(dirFd, S_IRWXU) != 0 || ::unlinkat(dirFd, name.c_str(), 0) != 0) return false;
  }
  return true;
}

std::string parentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A new entry in a folder (a file, a subfolder) survives a power cut only
// once the folder itself is flushed.
// A folder we may write but not read cannot be opened to be flushed; that
// is no failure of the disk, so only a failed flush counts.
bool syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return true;
  Fd guard(fd);
  return ::fsync(fd) == 0;
}

}  // namespace

bool pathExists(std::wstring_view path) { return !path.empty() && statMode(toUtf8(path), false) >= 0; }

bool isFolder(std::wstring_view path) {
  if (path.empty()) return false;
  const int mode = statMode(toUtf8(path), true);
  return mode >= 0 && S_ISDIR(static_cast<mode_t>(mode));
}

bool isFile(std::wstring_view path) {
  if (path.empty()) return false;
  const int mode = statMode(toUtf8(path), true);
  return mode >= 0 && S_ISREG(static_cast<mode_t>(mode));
}

bool createFolders(std::wstring_view path) {
  if (path.empty()) return false;
  const std::string p = toUtf8(path);
  // mkdir per component; an existing component is fine as long as the last
  // one ends up being a folder (or a link to one).
  std::vector<std::string> madeIn;  // the folders that got a new entry
  for (size_t pos = 1; pos <= p.size(); ++pos) {
    if (pos != p.size() && p[pos] != '/') continue;
    if (p[pos - 1] == '/') continue;
    const std::string part = p.substr(0, pos);
    if (::mkdir(part.c_str(), 0777) == 0)
      madeIn.push_back(parentOf(part));
    else if (errno != EEXIST)
      return false;
  }
  for (const std::string& folder : madeIn)
    if (!syncFolder(folder)) return false;
  return isFolder(path);
}

bool removeTree(std::wstring_view path) {
  if (path.empty()) return false;
  const std::string p = toUtf8(path);
  if (::rmdir(p.c_str()) == 0) return true;
  if (errno != ENOTEMPTY && errno != EEXIST) return false;
  const int fd = ::open(p.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  {
    Fd guard(fd);
    if (!removeContents(fd, 0)) return false;
  }
  return ::rmdir(p.c_str()) == 0;
}

bool removeEmptyFolder(std::wstring_view path) { return !path.empty() && ::rmdir(toUtf8(path).c_str()) == 0; }

bool removeFile(std::wstring_view path) {
  if (path.empty()) return false;
  return ::unlink(toUtf8(path).c_str()) == 0;
}

bool copyFileNoOverwrite(std::wstring_view source, std::wstring_view target) {
  if (source.empty() || target.empty()) return false;
  // O_NONBLOCK so that a FIFO named as source cannot block the open.
  const int in = ::open(toUtf8(source).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (in < 0) return false;
  Fd inGuard(in);
  struct stat st {};
  if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) return false;
  ::fcntl(in, F_SETFL, ::fcntl(in, F_GETFL) & ~O_NONBLOCK);

  const std::string targetPath = toUtf8(target);
  const int out = ::open(targetPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (out < 0) return false;
  Fd outGuard(out);

  bool ok = true;
  auto buffer = std::make_unique<char[]>(1 << 20);
  for (;;) {
    const ssize_t n = ::read(in, buffer.get(), 1 << 20);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ok = false;
      break;
    }
    if (n == 0) break;
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(out, buffer.get() + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        ok = false;
        break;
      }
      done += w;
    }
    if (!ok) break;
  }
  if (ok) {
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out, times);
    // On disk, with its folder entry, before anything (a wardrobe file
    // saved next) can name it: a power cut must not leave a named photo empty.
    ok = ::fsync(out) == 0;
    ok = ::close(outGuard.fd) == 0 && ok;
    outGuard.fd = -1;
    ok = ok && syncFolder(parentOf(targetPath));
  }
  if (!ok) ::unlink(targetPath.c_str());
  return ok;
}

bool listFolder(std::wstring_view path, std::vector<FolderEntry>& out) {
  out.clear();
  if (path.empty()) return false;
  const int fd = ::open(toUtf8(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  Fd guard(fd);
  return readNames(fd, out);
}

}  // namespace tavoro
