#include "LockFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <ctime>
#include <sstream>

#include "LocalProcess.h"
#include "PathOps.h"
#include "SaveTemporaries.h"
#include "Utf8.h"
#include "WholeFile.h"

namespace tavoro {

namespace {

constexpr std::string_view kFirstLine = "Tavoro lock";
constexpr size_t kMostLockBytes = 4096;
constexpr size_t kMostNameBytes = 255;
// How long a lock whose process cannot be asked (another host's, or content
// that is not a lock of ours) stays in force.
constexpr int64_t kUnaskableLockSeconds = 24 * 60 * 60;

// A name as it may stand on one line: control characters shown as "?", at
// most kMostNameBytes bytes, not cut inside a UTF-8 sequence.
std::string lineSafe(std::string_view text) {
  std::string out(text.substr(0, kMostNameBytes));
  if (text.size() > kMostNameBytes)
    while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80) out.pop_back();
  if (text.size() > kMostNameBytes && !out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) out.pop_back();
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return out;
}

std::string lockText(const LockOwner& o) {
  std::ostringstream out;
  out << kFirstLine << "\nuser=" << lineSafe(o.user) << "\nhost=" << lineSafe(o.host) << "\npid=" << o.pid
      << "\ntime=" << o.time << "\nmachine=" << lineSafe(o.machine) << "\nboot=" << lineSafe(o.boot)
      << "\nstart=" << o.start << "\n";
  return out.str();
}

template <typename Number>
bool parseNumber(std::string_view text, Number& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return ::fsync(fd) == 0;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Puts the complete file at temporary in place as lock, only when there is
// no lock yet: a hard link, or where the file system has none, a file
// created exclusively. 0, or the reason (EEXIST: there is a lock).
int placeNewLock(const std::string& temporary, const std::string& lock, const std::string& text) {
  if (::link(temporary.c_str(), lock.c_str()) == 0) return 0;
  if (errno == EEXIST || errno == EACCES || errno == EROFS || errno == ENOENT || errno == ENOSPC) return errno;
  const int fd = ::open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  const bool ok = writeAll(fd, text);
  ::close(fd);
  if (ok) return 0;
  ::unlink(lock.c_str());
  return EIO;
}

}  // namespace

std::wstring lockFilePath(std::wstring_view documentPath) {
  return joinLexical(pathFolder(documentPath), L"." + pathFileName(documentPath) + L".lock");
}

bool readLockFile(std::wstring_view lockPath, LockOwner& out) {
  out = LockOwner{};
  std::string text;
  if (readWholeFile(lockPath, kMostLockBytes, text) != FileReadStatus::Ok) return false;
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kFirstLine) return false;
  LockOwner read;
  bool pid = false, time = false;
  while (std::getline(lines, line)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string_view key = std::string_view(line).substr(0, equals);
    const std::string_view value = std::string_view(line).substr(equals + 1);
    if (key == "user") read.user = lineSafe(value);
    if (key == "host") read.host = lineSafe(value);
    if (key == "machine") read.machine = lineSafe(value);
    if (key == "boot") read.boot = lineSafe(value);
    if (key == "pid") pid = parseNumber(value, read.pid) && read.pid > 0;
    if (key == "time") time = parseNumber(value, read.time);
    if (key == "start" && !parseNumber(value, read.start)) read.start = 0;
  }
  if (!pid || !time || read.host.empty()) return false;
  out = read;
  return true;
}

bool isStaleLock(const LockOwner& owner, int64_t now) {
  const std::string machine = localMachineId();
  const bool thisHost = owner.host == localHostName() &&
                        (owner.machine.empty() || machine.empty() || owner.machine == machine);
  if (!thisHost) return now - owner.time >= kUnaskableLockSeconds;
  const std::string boot = localBootId();
  if (!owner.boot.empty() && !boot.empty() && owner.boot != boot) return true;  // taken before a restart
  if (!isProcessRunning(owner.pid)) return true;
  // The same id given to a later process.
  const uint64_t start = processStartTime(owner.pid);
  return owner.start != 0 && start != 0 && start != owner.start;
}

LockFile::Outcome LockFile::acquire(std::wstring_view lockPath, LockOwner* holder) {
  release();
  if (holder) *holder = LockOwner{};
  LockOwner me;
  me.user = localUserName();
  me.host = localHostName();
  me.pid = localProcessId();
  me.time = static_cast<int64_t>(std::time(nullptr));
  me.machine = localMachineId();
  me.boot = localBootId();
  me.start = processStartTime(me.pid);
  const std::string text = lockText(me);
  const std::string lock = toUtf8(lockPath);

  // The lock is written whole beside its place first, as a save temporary
  // (so that one left by a crash is cleared like any other), and then put
  // in place in one step.
  std::string temporary;
  const int fd = createSaveTemporary(toUtf8(pathFolder(lockPath)), temporary);
  if (fd < 0) return Outcome::CannotWrite;
  const bool written = writeAll(fd, text);
  ::close(fd);
  Outcome outcome = Outcome::CannotWrite;
  for (int attempt = 0; written && attempt < 3; ++attempt) {
    const int placed = placeNewLock(temporary, lock, text);
    if (placed == 0) {
      outcome = Outcome::Taken;
      break;
    }
    if (placed != EEXIST) break;
    struct stat judged {};
    if (::lstat(lock.c_str(), &judged) != 0) continue;  // it went meanwhile: once more
    LockOwner other;
    const bool ours = readLockFile(lockPath, other);
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    const bool stale = ours ? isStaleLock(other, now) : now - judged.st_mtim.tv_sec >= kUnaskableLockSeconds;
    if (!stale) {
      if (holder && ours) *holder = other;
      outcome = Outcome::HeldByOther;
      break;
    }
    // Taken over only while it is still the lock that was judged stale.
    struct stat again {};
    if (::lstat(lock.c_str(), &again) == 0 && sameFile(again, judged) &&
        ::rename(temporary.c_str(), lock.c_str()) == 0) {
      outcome = Outcome::Taken;
      break;
    }
  }
  ::unlink(temporary.c_str());  // nothing when it was renamed into place
  if (outcome == Outcome::Taken) {
    m_path = std::wstring(lockPath);
    m_owner = me;
    // What was written is what is read back (names cut or made safe).
    readLockFile(lockPath, m_owner);
  }
  return outcome;
}

void LockFile::release() {
  if (m_path.empty()) return;
  LockOwner now;
  if (readLockFile(m_path, now) && now == m_owner) ::unlink(toUtf8(m_path).c_str());
  m_path.clear();
  m_owner = LockOwner{};
}

}  // namespace tavoro
