#include "LocalProcess.h"

#include <limits.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace tavoro {

std::string localHostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

std::string localUserName() {
  const uid_t uid = ::geteuid();
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name &&
      found->pw_name[0] != '\0')
    return found->pw_name;
  return std::to_string(uid);
}

namespace {

// The first line of a small system file; empty text when there is none.
std::string firstLine(const char* path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  return line.size() <= 64 ? line : std::string();
}

}  // namespace

std::string localMachineId() {
  const std::string id = firstLine("/etc/machine-id");
  return id.empty() ? firstLine("/var/lib/dbus/machine-id") : id;
}

std::string localBootId() { return firstLine("/proc/sys/kernel/random/boot_id"); }

int localProcessId() { return static_cast<int>(::getpid()); }

uint64_t processStartTime(int pid) {
  if (pid <= 0) return 0;
  std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(file, line);
  // The name in parentheses may hold blanks and parentheses: the fields
  // are counted from the last ")", after which comes the third field.
  const size_t close = line.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(line.substr(close + 1));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i)
    if (i == 22) return std::strtoull(field.c_str(), nullptr, 10);
  return 0;
}

bool isProcessRunning(int pid) {
  if (pid <= 0) return false;
  // Signal 0 only asks; EPERM means that the process exists under another user.
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace tavoro
