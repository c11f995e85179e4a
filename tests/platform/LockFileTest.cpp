#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <string>

#include "LockHolder.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/LocalProcess.h"
#include "platform/LockFile.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(LockFileTest, AnotherProcessHoldsTheLockUntilItEnds) {
  TempDir dir;
  const std::wstring lock = lockFilePath(dir / L"Closet.twd");
  EXPECT_EQ(lock, dir / L".Closet.twd.lock");
  for (const bool crash : {false, true}) {
    test::LockHolder child(lock);
    ASSERT_TRUE(child.waitUntilHeld());
    LockFile mine;
    LockOwner holder;
    ASSERT_EQ(mine.acquire(lock, &holder), LockFile::Outcome::HeldByOther);
    EXPECT_FALSE(mine.isHeld());
    EXPECT_EQ(holder.pid, child.pid());
    EXPECT_EQ(holder.host, localHostName());
    EXPECT_EQ(holder.user, localUserName());
    EXPECT_LE(std::abs(holder.time - static_cast<int64_t>(std::time(nullptr))), 60);
    child.end(crash);
    // Released at its close, or left by a crash and taken over as stale.
    EXPECT_EQ(pathExists(lock), crash);
    ASSERT_EQ(mine.acquire(lock, &holder), LockFile::Outcome::Taken);
    LockOwner onDisk;
    ASSERT_TRUE(readLockFile(lock, onDisk));
    EXPECT_EQ(onDisk.pid, localProcessId());
    EXPECT_EQ(onDisk, mine.owner());
    mine.release();
    EXPECT_FALSE(pathExists(lock));
  }
}

std::string lockText(const std::string& host, int pid, int64_t time, const std::string& boot = "",
                     uint64_t start = 0) {
  return "Tavoro lock\nuser=someone\nhost=" + host + "\npid=" + std::to_string(pid) + "\ntime=" +
         std::to_string(time) + "\nmachine=" + localMachineId() + "\nboot=" + boot + "\nstart=" + std::to_string(start) +
         "\n";
}

void makeOld(const std::wstring& path) {
  const timespec old = {std::time(nullptr) - 2 * 24 * 3600, 0};
  const timespec times[2] = {old, old};
  ASSERT_EQ(::utimensat(AT_FDCWD, toUtf8(path).c_str(), times, 0), 0);
}

TEST(LockFileTest, StaleLocksAreTakenOverAndLiveOnesKept) {
  TempDir dir;
  const std::wstring lock = dir / L".Closet.twd.lock";
  const int64_t now = std::time(nullptr);
  const std::string here = localHostName();
  const int parent = static_cast<int>(::getppid());  // a process that surely runs
  const uint64_t parentStart = processStartTime(parent);
  struct Case {
    const char* what;
    std::string content;
    bool old;  // the file unchanged for two days
    LockFile::Outcome outcome;
    int holderPid;
  };
  const Case cases[] = {
      {"another host's, an hour old", lockText(here + ".elsewhere", 4, now - 3600), false,
       LockFile::Outcome::HeldByOther, 4},
      {"another host's, two days old", lockText(here + ".elsewhere", 4, now - 2 * 86400), false,
       LockFile::Outcome::Taken, 0},
      {"a running process of this host", lockText(here, parent, now, localBootId(), parentStart), false,
       LockFile::Outcome::HeldByOther, parent},
      {"this host before a restart", lockText(here, parent, now, "an-earlier-boot", parentStart), false,
       LockFile::Outcome::Taken, 0},
      {"a later process with the same id", lockText(here, parent, now, localBootId(), parentStart + 1), false,
       LockFile::Outcome::Taken, 0},
      {"a process of this host that is gone", lockText(here, 99999999, now), false, LockFile::Outcome::Taken, 0},
      {"not a lock of ours", "garbage\n\x01\x02", false, LockFile::Outcome::HeldByOther, 0},
      {"empty", "", false, LockFile::Outcome::HeldByOther, 0},
      {"no process id", "Tavoro lock\nhost=" + here + "\ntime=1\n", false, LockFile::Outcome::HeldByOther, 0},
      {"a process id that is no number", "Tavoro lock\nhost=h\npid=12ab\ntime=1\n", false,
       LockFile::Outcome::HeldByOther, 0},
      {"too large", "Tavoro lock\n" + std::string(10000, 'x'), false, LockFile::Outcome::HeldByOther, 0},
      {"not a lock of ours, two days old", "garbage", true, LockFile::Outcome::Taken, 0},
  };
  for (const Case& c : cases) {
    writeFile(lock, c.content);
    if (c.old) makeOld(lock);
    LockFile mine;
    LockOwner holder;
    EXPECT_EQ(mine.acquire(lock, &holder), c.outcome) << c.what;
    EXPECT_EQ(holder.pid, c.holderPid) << c.what;
    if (c.outcome == LockFile::Outcome::HeldByOther) {
      EXPECT_EQ(readFile(lock), c.content) << c.what;
    }
    mine.release();
    EXPECT_EQ(pathExists(lock), c.outcome == LockFile::Outcome::HeldByOther) << c.what;
  }
}

TEST(LockFileTest, NamesAreReadSafelyAndOnlyOurOwnLockIsReleased) {
  TempDir dir;
  const std::wstring lock = dir / L".Closet.twd.lock";
  writeFile(lock, "Tavoro lock\nuser=a\x01" "b\x7F\nhost=h\xC3\xA9\npid=7\ntime=9\nstart=x\nother=ignored\n");
  LockOwner read;
  ASSERT_TRUE(readLockFile(lock, read));
  EXPECT_EQ(read.user, "a?b?");
  EXPECT_EQ(read.host, "h\xC3\xA9");
  EXPECT_EQ(read.start, 0u);

  LockFile mine;
  ASSERT_EQ(mine.acquire(dir / L".mine.lock"), LockFile::Outcome::Taken);
  // Taken over meanwhile (as by someone who judged it stale): left alone.
  const std::string theirs = lockText("elsewhere", 5, std::time(nullptr));
  writeFile(dir / L".mine.lock", theirs);
  mine.release();
  EXPECT_EQ(readFile(dir / L".mine.lock"), theirs);
  EXPECT_EQ(mine.acquire(dir / L"missing/.x.lock"), LockFile::Outcome::CannotWrite);
}

}  // namespace
}  // namespace tavoro
