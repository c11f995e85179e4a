// A child process that takes a lock file and keeps it until it is killed (as
// a crash would end it) or let go: a second program holding a wardrobe open.
#pragma once

#include <sys/types.h>

#include <string>

namespace tavoro::test {

class LockHolder {
 public:
  // Starts the child, which takes the lock at lockPath.
  explicit LockHolder(const std::wstring& lockPath);
  ~LockHolder();  // lets the child go (it releases the lock) and waits for it
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

  pid_t pid() const { return m_pid; }
  // Waits until the child holds the lock; false when it could not take it or died.
  bool waitUntilHeld();
  // Kills the child with SIGKILL, or lets it release the lock and end; waits for it.
  void end(bool kill);

 private:
  pid_t m_pid = -1;
  int m_ready[2] = {-1, -1};
  int m_go[2] = {-1, -1};
};

}  // namespace tavoro::test
