// A lock file beside a document, as office programs keep one: it names who
// has the document open (user, host, process, time), so that a second
// program, on this computer or another sharing the folder, can tell the
// user. It is written whole or not at all (a complete file linked into
// place, which also makes taking it exclusive); one left by a process that
// is gone (on this host: not running, or of an earlier boot) or older than a
// day (on another host, whose processes cannot be asked) is taken over.
// Reading accepts any content: what is not a lock of ours reads as held by
// someone unknown until it is a day old.
// Not thread-safe: one LockFile is used by one thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavoro {

struct LockOwner {
  std::string user;  // UTF-8, as the system names them
  std::string host;
  int pid = 0;
  int64_t time = 0;    // when it was taken, in seconds since the epoch
  std::string machine;  // the host's machine id (two hosts may share a name); empty when unknown
  std::string boot;     // the host's boot id then; empty when unknown
  uint64_t start = 0;   // the process's start (see processStartTime); 0 when unknown
  bool operator==(const LockOwner&) const = default;
};

// The lock file of the document at path: ".<file name>.lock" beside it.
std::wstring lockFilePath(std::wstring_view documentPath);

// Reads a lock file into out. False when there is none or it is not a lock
// of ours (out is then empty); user and host are cut to 255 bytes, with
// control characters shown as "?".
bool readLockFile(std::wstring_view lockPath, LockOwner& out);

// Whether a lock is stale as of now (seconds since the epoch): see above.
bool isStaleLock(const LockOwner& owner, int64_t now);

class LockFile {
 public:
  enum class Outcome {
    Taken,         // the lock is ours now (made, or taken over from a stale one)
    HeldByOther,   // someone else holds it: see holder
    CannotWrite,   // the folder takes no lock file (read-only, no permission)
  };

  LockFile() = default;
  ~LockFile() { release(); }
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;

  // Takes the lock at lockPath for this process. On HeldByOther, holder
  // (when given) tells who holds it; it is empty (pid 0) for content that is
  // not a lock of ours. Releases a lock this object held before.
  Outcome acquire(std::wstring_view lockPath, LockOwner* holder = nullptr);
  // Removes the lock file when it is still ours (not taken over since);
  // nothing when no lock is held.
  void release();

  bool isHeld() const { return !m_path.empty(); }
  const LockOwner& owner() const { return m_owner; }

 private:
  std::wstring m_path;
  LockOwner m_owner;
};

}  // namespace tavoro
