#include "LockHolder.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/LockFile.h"

namespace tavoro::test {

LockHolder::LockHolder(const std::wstring& lockPath) {
  if (::pipe(m_ready) != 0 || ::pipe(m_go) != 0) return;
  m_pid = ::fork();
  if (m_pid != 0) {
    ::close(m_ready[1]);
    ::close(m_go[0]);
    return;
  }
  ::close(m_ready[0]);
  ::close(m_go[1]);
  ::alarm(60);  // never outlives a test that went wrong
  LockFile held;
  char byte = held.acquire(lockPath) == LockFile::Outcome::Taken ? 't' : 'n';
  if (::write(m_ready[1], &byte, 1) != 1 || ::read(m_go[0], &byte, 1) < 0) ::_exit(2);
  held.release();
  ::_exit(0);
}

LockHolder::~LockHolder() { end(false); }

bool LockHolder::waitUntilHeld() {
  char byte = 0;
  return m_pid > 0 && ::read(m_ready[0], &byte, 1) == 1 && byte == 't';
}

void LockHolder::end(bool kill) {
  if (m_pid <= 0) return;
  if (kill) ::kill(m_pid, SIGKILL);
  ::close(m_go[1]);
  ::close(m_ready[0]);
  ::waitpid(m_pid, nullptr, 0);
  m_pid = 0;
}

}  // namespace tavoro::test
