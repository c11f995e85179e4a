#include "LocalProcess.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace tavoro {

std::string localHostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

int localProcessId() { return static_cast<int>(::getpid()); }

bool isProcessRunning(int pid) {
  if (pid <= 0) return false;
  // Signal 0 only asks; EPERM means that the process exists under another user.
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace tavoro
