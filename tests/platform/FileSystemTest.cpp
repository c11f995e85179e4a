#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <future>
#include <optional>

#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/FileTime.h"
#include "platform/OpenFolder.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(FileSystemTest, CreatesFoldersWithAllParents) {
  TempDir dir;
  const std::wstring deep = dir / L"a b/\u00E9t\u00E9/-dash/'quote\"/c";
  EXPECT_TRUE(createFolders(deep));
  EXPECT_TRUE(isFolder(deep));
  EXPECT_TRUE(createFolders(deep));  // exists already: success
  EXPECT_TRUE(createFolders(deep + L"/"));
  writeFile(dir / L"file", "x");
  EXPECT_FALSE(createFolders(dir / L"file"));  // a file is not a folder
  EXPECT_FALSE(createFolders(dir / L"file/below"));
  EXPECT_FALSE(createFolders(L""));
}

TEST(FileSystemTest, RemoveTreeDeletesEverythingButNeverFollowsLinks) {
  TempDir dir;
  const std::wstring outside = dir / L"outside";
  ASSERT_TRUE(createFolders(outside + L"/keep"));
  writeFile(outside + L"/precious.txt", "keep me");
  writeFile(outside + L"/keep/also.txt", "keep me too");

  const std::wstring tree = dir / L"tree";
  ASSERT_TRUE(createFolders(tree + L"/sub/deeper"));
  writeFile(tree + L"/a.jpg", "a");
  writeFile(tree + L"/sub/deeper/b.png", "b");
  ASSERT_EQ(::symlink(toUtf8(outside).c_str(), toUtf8(tree + L"/sub/link-to-folder").c_str()), 0);
  ASSERT_EQ(::symlink(toUtf8(outside + L"/precious.txt").c_str(), toUtf8(tree + L"/link-to-file").c_str()), 0);
  // A read-only folder inside the tree does not stop the deletion.
  ASSERT_EQ(::chmod(toUtf8(tree + L"/sub/deeper").c_str(), 0555), 0);

  EXPECT_TRUE(removeTree(tree));
  EXPECT_FALSE(pathExists(tree));
  EXPECT_EQ(readFile(outside + L"/precious.txt"), "keep me");
  EXPECT_EQ(readFile(outside + L"/keep/also.txt"), "keep me too");

  // A link named as the tree itself is refused, and its target untouched.
  const std::wstring link = dir / L"link";
  ASSERT_EQ(::symlink(toUtf8(outside).c_str(), toUtf8(link).c_str()), 0);
  EXPECT_FALSE(removeTree(link));
  EXPECT_EQ(readFile(outside + L"/precious.txt"), "keep me");

  EXPECT_FALSE(removeTree(dir / L"missing"));
  ASSERT_TRUE(createFolders(dir / L"empty"));
  EXPECT_TRUE(removeTree(dir / L"empty"));
}

// Runs work in a child process in which every fsync and fdatasync fails
// with EIO, as on a failing disk; the result is work's, or none when the
// system refuses the filter.
std::optional<bool> runWithFailingFlushes(const std::function<bool()>& work) {
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fsync, 2, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fdatasync, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EIO & SECCOMP_RET_DATA)),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
      ::_exit(3);
    ::_exit(work() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1) return std::nullopt;
  return WEXITSTATUS(status) == 0;
}

TEST(FileSystemTest, ACopyThatCannotBeFlushedToDiskFailsAndLeavesNothing) {
  TempDir dir;
  const std::wstring source = dir / L"photo.jpg";
  writeFile(source, "photo bytes");
  const std::optional<bool> copied =
      runWithFailingFlushes([&] { return copyFileNoOverwrite(source, dir / L"copy.jpg"); });
  if (!copied) GTEST_SKIP() << "this system does not let a test make fsync fail (seccomp)";
  EXPECT_FALSE(*copied);
  EXPECT_FALSE(pathExists(dir / L"copy.jpg"));
  EXPECT_EQ(runWithFailingFlushes([&] { return createFolders(dir / L"new/folder"); }), false);
  // Without the failing disk both work.
  EXPECT_TRUE(copyFileNoOverwrite(source, dir / L"copy.jpg"));
  EXPECT_TRUE(createFolders(dir / L"new/folder"));
}

TEST(FileSystemTest, CopyNeverOverwritesAndKeepsTheModificationTime) {
  TempDir dir;
  const std::wstring source = dir / L"source photo.jpg";
  writeFile(source, std::string("\xFF\xD8 photo bytes \0 with a zero", 27));
  const std::wstring target = dir / L"copy.jpg";
  ASSERT_TRUE(copyFileNoOverwrite(source, target));
  EXPECT_EQ(readFile(target), readFile(source));
  FileTimes a, b;
  ASSERT_TRUE(fileTimes(source, a));
  ASSERT_TRUE(fileTimes(target, b));
  EXPECT_EQ(a.lastWrite, b.lastWrite);

  writeFile(source, "changed");
  EXPECT_FALSE(copyFileNoOverwrite(source, target));
  EXPECT_NE(readFile(target), "changed");

  EXPECT_FALSE(copyFileNoOverwrite(dir / L"missing.jpg", dir / L"x.jpg"));
  EXPECT_FALSE(pathExists(dir / L"x.jpg"));
  EXPECT_FALSE(copyFileNoOverwrite(dir.path(), dir / L"folder-copy"));
  EXPECT_FALSE(pathExists(dir / L"folder-copy"));
  EXPECT_FALSE(copyFileNoOverwrite(source, dir / L"no/such/folder/x.jpg"));
}

TEST(FileSystemTest, CopyFromAFifoFailsWithoutBlocking) {
  TempDir dir;
  const std::wstring fifo = dir / L"pipe.jpg";
  ASSERT_EQ(::mkfifo(toUtf8(fifo).c_str(), 0600), 0);
  auto copied = std::async(std::launch::async, [&] { return copyFileNoOverwrite(fifo, dir / L"x.jpg"); });
  ASSERT_EQ(copied.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_FALSE(copied.get());
}

TEST(FileSystemTest, FileTimesAreExactAndFailForMissingFiles) {
  TempDir dir;
  const std::wstring file = dir / L"f";
  writeFile(file, "x");
  const timespec times[2] = {{1000, 5}, {2000, 123456789}};
  ASSERT_EQ(::utimensat(AT_FDCWD, toUtf8(file).c_str(), times, 0), 0);
  FileTimes t;
  ASSERT_TRUE(fileTimes(file, t));
  EXPECT_EQ(t.lastWrite, (FileTime{2000, 123456789}));
  EXPECT_EQ(t.lastAccess, (FileTime{1000, 5}));
  EXPECT_LT((FileTime{2000, 123456788}), t.lastWrite);
  FileTimes untouched = t;
  EXPECT_FALSE(fileTimes(dir / L"missing", untouched));
  EXPECT_EQ(untouched.lastWrite, t.lastWrite);
}

TEST(FileSystemTest, ListsEntriesWithTheirKinds) {
  TempDir dir;
  writeFile(dir / L"a.png", "a");
  ASSERT_TRUE(createFolders(dir / L"sub"));
  ASSERT_EQ(::symlink("sub", toUtf8(dir / L"link").c_str()), 0);
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(listFolder(dir.path(), entries));
  ASSERT_EQ(entries.size(), 3u);
  for (const FolderEntry& e : entries) {
    const EntryKind expected = e.name == L"a.png" ? EntryKind::File
                               : e.name == L"sub" ? EntryKind::Folder
                                                  : EntryKind::Link;
    EXPECT_EQ(e.kind, expected) << toUtf8(e.name);
  }
  EXPECT_FALSE(listFolder(dir / L"missing", entries));
  EXPECT_TRUE(entries.empty());
}

TEST(FileSystemTest, AnOpenFolderTellsFilesBelowItAsIsFileDoes) {
  TempDir dir;
  ASSERT_TRUE(createFolders(dir / L"photos/I_000001"));
  ASSERT_TRUE(createFolders(dir / L"photos/I_000002/P_000001.jpg"));  // a folder where a photo should be
  ASSERT_TRUE(createFolders(dir / L"elsewhere"));
  writeFile(dir / L"photos/I_000001/P_000001.jpg", "photo");
  writeFile(dir / L"elsewhere/x.jpg", "photo");
  ASSERT_EQ(::symlink(toUtf8(dir / L"elsewhere/x.jpg").c_str(), toUtf8(dir / L"photos/link.jpg").c_str()), 0);
  ASSERT_EQ(::symlink("missing.jpg", toUtf8(dir / L"photos/dangling.jpg").c_str()), 0);
  const std::wstring paths[] = {dir / L"photos/I_000001/P_000001.jpg",
                                dir / L"photos/I_000002/P_000001.jpg",
                                dir / L"photos/I_000003/P.jpg",
                                dir / L"photos/link.jpg",
                                dir / L"photos/dangling.jpg",
                                dir / L"photos/I_000001",
                                dir / L"photos//I_000001/P_000001.jpg",
                                dir / L"photos/../elsewhere/x.jpg",
                                dir / L"elsewhere/x.jpg",
                                dir / L"photos",
                                dir / L"photos/",
                                L"",
                                L"relative/x.jpg"};
  for (const std::wstring& folder : {dir / L"photos", dir / L"photos/", dir / L"missing", std::wstring()}) {
    OpenFolder open(folder);
    EXPECT_EQ(open.isOpen(), folder.find(L"photos") != std::wstring::npos) << toUtf8(folder);
    for (const std::wstring& path : paths) EXPECT_EQ(open.isFile(path), isFile(path)) << toUtf8(path);
  }
  OpenFolder photos(dir / L"photos");
  EXPECT_TRUE(photos.isFile(dir / L"photos/I_000001/P_000001.jpg"));
  EXPECT_FALSE(photos.isFile(dir / L"photos/I_000002/P_000001.jpg"));
}

}  // namespace
}  // namespace tavoro
