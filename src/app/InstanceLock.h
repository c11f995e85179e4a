// The lock that makes the program a single instance: an exclusive flock on a
// file in the private temporary folder, held for the whole run and released
// by the system when the process ends, however it ends.
// Not thread-safe; one object per process.
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// The name the running instance is found by: the lock file and the hand-over
// socket in the temporary folder are named after it.
inline constexpr const wchar_t* kInstanceName = L"Tavoro-MainFrame-{814F9DBA-6E8B-4be9-B9AF-7E1B0AB05E9B}";

// <temporary folder>/<instance name>.lock and <temporary folder>/<instance name>.
std::wstring instanceLockPath();
std::wstring instanceSocketPath();

class InstanceLock {
 public:
  enum class Result { Acquired, HeldElsewhere, Failed };

  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Opens (creating it 0600, never through a link) and locks the file
  // without waiting. HeldElsewhere when another process holds the lock;
  // Failed when the file cannot be opened or locked.
  Result acquire(std::wstring_view path);
  bool held() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};

}  // namespace tavoro
