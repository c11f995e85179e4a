#include "WardrobeLock.h"

#include <ctime>

#include "JsonOutput.h"
#include "platform/Utf8.h"

namespace tavoro::cli {

namespace {

// When the lock was taken: local time, to the minute.
std::string lockTime(int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  char text[32] = "an unknown time";
  if (::localtime_r(&t, &local)) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

}  // namespace

bool lockWardrobe(const std::wstring& file, bool force, LockFile& lock, const std::string& command) {
  LockOwner holder;
  if (lock.acquire(lockFilePath(file), &holder) != LockFile::Outcome::HeldByOther || force) return true;
  const std::string who = holder.pid == 0 ? "someone whose lock file " + toUtf8(lockFilePath(file)) +
                                                " Tavoro cannot read"
                                          : holder.user + " on " + holder.host + " (process " +
                                                std::to_string(holder.pid) + ") since " + lockTime(holder.time);
  printError(toUtf8(file) + " is open in Tavoro by " + who + ": close it there first, or " + command +
             " with --force all the same");
  return false;
}

}  // namespace tavoro::cli
