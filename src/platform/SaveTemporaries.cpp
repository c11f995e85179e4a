#include "SaveTemporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "LocalProcess.h"
#include "Utf8.h"

namespace tavoro {

namespace {

constexpr std::string_view kPrefix = ".tavoro-save-";
constexpr std::string_view kSuffix = ".tmp";
// How long an unlocked temporary must stay unchanged to be stale whoever wrote it.
constexpr int64_t kUnaskableAgeSeconds = 24 * 60 * 60;

// FNV-1a: the same host gives the same tag in every process and version.
std::string hostTag(std::string_view host) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : host) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

bool allOf(std::string_view text, const char* alphabet) {
  return !text.empty() && text.find_first_not_of(alphabet) == std::string_view::npos;
}

// What a temporary's name says about its writer.
struct Writer {
  bool thisHost = false;  // a process of this host, which can be asked whether it runs
  int pid = 0;
};

// The writer of a save temporary named name; none for any other name.
std::optional<Writer> writerOf(std::string_view name, const std::string& localTag) {
  if (name.size() <= kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) || !name.ends_with(kSuffix))
    return std::nullopt;
  std::string_view middle = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  std::vector<std::string_view> fields;
  for (size_t dash; (dash = middle.find('-')) != std::string_view::npos; middle.remove_prefix(dash + 1))
    fields.push_back(middle.substr(0, dash));
  fields.push_back(middle);
  // <pid>-<n>-<host tag>, or <pid>-<n> from versions that did not name the host.
  if ((fields.size() != 2 && fields.size() != 3) || !allOf(fields[0], "0123456789") || fields[0].size() > 9 ||
      !allOf(fields[1], "0123456789abcdef"))
    return std::nullopt;
  if (fields.size() == 3 && (fields[2].size() != 16 || !allOf(fields[2], "0123456789abcdef"))) return std::nullopt;
  Writer writer;
  writer.pid = std::stoi(std::string(fields[0]));
  writer.thisHost = fields.size() == 3 && fields[2] == localTag;
  return writer;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Removes the temporary at path when no live save can still be writing it.
bool removeIfStale(const std::string& path, const Writer& writer, time_t now) {
  struct stat named {};
  if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return false;
  // Opened for writing: a lock on a network file system is taken only so.
  const int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat held {};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;  // a save holds it
  if (::fstat(fd, &held) != 0 || !sameFile(held, named)) return false;
  // No save takes a day: that age also settles a process id that a later
  // boot gave to another process.
  const bool dayOld = now - held.st_mtim.tv_sec >= kUnaskableAgeSeconds;
  const bool stale = dayOld || (writer.thisHost && !isProcessRunning(writer.pid));
  if (!stale) return false;
  // Still the file that was judged (not replaced meanwhile), and still locked by us.
  struct stat again {};
  return ::lstat(path.c_str(), &again) == 0 && sameFile(again, held) && ::unlink(path.c_str()) == 0;
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

std::string resolvedSaveTarget(std::wstring_view path) {
  const std::string named = toUtf8(path);
  struct stat st {};
  if (::lstat(named.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return named;
  std::unique_ptr<char, decltype(&::free)> real(::realpath(named.c_str(), nullptr), &::free);
  return real ? std::string(real.get()) : named;
}

std::string saveTemporaryName(int pid, uint64_t n, std::string_view host) {
  char text[64];
  std::snprintf(text, sizeof text, "%d-%llx-", pid, static_cast<unsigned long long>(n));
  return std::string(kPrefix) + text + hostTag(host) + std::string(kSuffix);
}

int createSaveTemporary(const std::string& folder, std::string& path) {
  static std::atomic<uint32_t> counter{0};
  const std::string host = localHostName();
  for (int attempt = 0; attempt < 100; ++attempt) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const uint64_t salt = (static_cast<uint64_t>(now.tv_nsec) << 20) ^ static_cast<uint64_t>(now.tv_sec) ^
                          (static_cast<uint64_t>(counter.fetch_add(1)) << 40);
    path = folder + "/" + saveTemporaryName(localProcessId(), salt, host);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      // Where the file system has no flock, the process id in the name
      // still keeps the temporary from being taken for a stale one.
      ::flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

size_t removeStaleSaveTemporaries(std::wstring_view filePath) {
  if (filePath.empty()) return 0;
  const std::string folder = folderOf(resolvedSaveTarget(filePath));
  struct FolderCloser {
    void operator()(DIR* d) const { ::closedir(d); }
  };
  const std::unique_ptr<DIR, FolderCloser> dir(::opendir(folder.c_str()));
  if (!dir) return 0;
  const std::string localTag = hostTag(localHostName());
  // The names first: removing entries while reading the folder may skip others.
  std::vector<std::pair<std::string, Writer>> candidates;
  while (const dirent* entry = ::readdir(dir.get()))
    if (const std::optional<Writer> writer = writerOf(entry->d_name, localTag))
      candidates.emplace_back(entry->d_name, *writer);
  const time_t now = ::time(nullptr);
  size_t removed = 0;
  for (const auto& [name, writer] : candidates)
    if (removeIfStale(folder + "/" + name, writer, now)) ++removed;
  return removed;
}

}  // namespace tavoro
