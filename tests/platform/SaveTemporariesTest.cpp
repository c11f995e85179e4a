#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/LocalProcess.h"
#include "platform/SaveTemporaries.h"
#include "platform/Utf8.h"
#include "platform/WholeFile.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

std::vector<std::wstring> namesIn(const std::wstring& folder) {
  std::vector<FolderEntry> entries;
  EXPECT_TRUE(listFolder(folder, entries));
  std::vector<std::wstring> names;
  for (const FolderEntry& entry : entries) names.push_back(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

bool writeText(const std::wstring& path, const std::string& text) {
  return replaceFileAtomically(path, [&](std::FILE* f) {
           return std::fwrite(text.data(), 1, text.size(), f) == text.size();
         })
      .ok();
}

void makeOld(const std::wstring& path) {
  const timespec times[2] = {{std::time(nullptr) - 2 * 24 * 3600, 0}, {std::time(nullptr) - 2 * 24 * 3600, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, toUtf8(path).c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// A save in a child process that writes half the file and then waits for
// go (a pipe) before it goes on: to be killed there, or let finish.
class ChildSave {
 public:
  ChildSave(const std::wstring& file, bool killItself) {
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
    const bool ok = replaceFileAtomically(file, [&](std::FILE* f) {
      std::fputs("half of the child's", f);
      std::fflush(f);
      if (killItself) ::raise(SIGKILL);
      char byte = 0;
      return ::write(m_ready[1], "r", 1) == 1 && ::read(m_go[0], &byte, 1) >= 0 && std::fputs(" save", f) >= 0;
    }).ok();
    ::_exit(ok ? 0 : 1);
  }
  ~ChildSave() { finish(); }
  // Waits until the child holds its temporary; false when it died first.
  bool waitUntilWriting() {
    char byte = 0;
    return ::read(m_ready[0], &byte, 1) == 1;
  }
  // Lets the child go on and returns its exit status (128 + signal when killed).
  int finish() {
    if (m_pid <= 0) return -1;
    ::close(m_go[1]);
    ::close(m_ready[0]);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = 0;
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
  }

 private:
  pid_t m_pid = -1;
  int m_ready[2] = {-1, -1};
  int m_go[2] = {-1, -1};
};

TEST(SaveTemporariesTest, ASaveKilledHalfWayLeavesATemporaryThatTheNextSaveRemoves) {
  TempDir dir;
  const std::wstring file = dir / L"Closet.twd";
  writeFile(file, "before");
  ChildSave killed(file, true);
  ASSERT_EQ(killed.finish(), 128 + SIGKILL);
  ASSERT_EQ(namesIn(dir.path()).size(), 2u);  // the file and the killed save's temporary
  EXPECT_EQ(readFile(file), "before");

  ASSERT_TRUE(writeText(file, "after"));
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::wstring>{L"Closet.twd"});
  EXPECT_EQ(readFile(file), "after");
}

TEST(SaveTemporariesTest, KeepsWhatALiveSaveOrAnotherComputerMayStillWrite) {
  TempDir dir;
  const std::wstring file = dir / L"Closet.twd";
  writeFile(file, "before");
  const std::string here = localHostName();
  // A process of this host that is gone; ids above 2^22 are never handed out.
  const std::wstring goneHere = dir / fromUtf8(saveTemporaryName(99999999, 1, here));
  const std::wstring runningHere = dir / fromUtf8(saveTemporaryName(localProcessId(), 2, here));
  const std::wstring elsewhere = dir / fromUtf8(saveTemporaryName(1, 3, here + ".other"));
  const std::wstring olderVersion = dir / L".tavoro-save-1-5f3a.tmp";
  const std::wstring notOurs = dir / L".tavoro-save-notes.tmp";
  const std::wstring link = dir / fromUtf8(saveTemporaryName(99999999, 4, here));
  ChildSave live(file, false);
  ASSERT_TRUE(live.waitUntilWriting());
  for (const std::wstring& path : {goneHere, runningHere, elsewhere, olderVersion, notOurs}) writeFile(path, "x");
  ASSERT_EQ(::symlink(toUtf8(file).c_str(), toUtf8(link).c_str()), 0);
  EXPECT_EQ(removeStaleSaveTemporaries(file), 1u);  // only the one of the process that is gone
  EXPECT_FALSE(pathExists(goneHere));
  // A day without change makes any unlocked one stale: where the writer
  // cannot be asked, and where its process id may have gone to another.
  for (const std::wstring& path : {runningHere, elsewhere, olderVersion, notOurs, link}) makeOld(path);
  EXPECT_EQ(removeStaleSaveTemporaries(file), 3u);
  for (const std::wstring& path : {runningHere, elsewhere, olderVersion}) EXPECT_FALSE(pathExists(path)) << path;
  for (const std::wstring& path : {notOurs, link}) EXPECT_TRUE(pathExists(path)) << path;
  EXPECT_EQ(readFile(file), "before");  // the link was never followed

  ASSERT_EQ(live.finish(), 0);
  EXPECT_EQ(readFile(file), "half of the child's save");
  EXPECT_EQ(namesIn(dir.path()).size(), 3u);  // the file, notOurs and the link
}

}  // namespace
}  // namespace tavoro
