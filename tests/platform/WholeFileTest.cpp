#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "platform/WholeFile.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

mode_t modeOf(const std::wstring& path) {
  struct stat st {};
  return ::stat(toUtf8(path).c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

size_t entryCount(const std::wstring& folder) {
  std::vector<FolderEntry> entries;
  EXPECT_TRUE(listFolder(folder, entries));
  return entries.size();
}

bool writeText(const std::wstring& path, const std::string& text) {
  return replaceFileAtomically(path, [&](std::FILE* f) {
           return std::fwrite(text.data(), 1, text.size(), f) == text.size();
         })
      .ok();
}

TEST(WholeFileTest, ReadsRegularFilesOnlyAndUpToTheLimit) {
  TempDir dir;
  std::string out = "stale";
  EXPECT_EQ(readWholeFile(dir / L"missing", 100, out), FileReadStatus::Missing);
  EXPECT_EQ(out, "");
  EXPECT_EQ(readWholeFile(dir / L"missing/below", 100, out), FileReadStatus::Missing);
  EXPECT_EQ(readWholeFile(dir.path(), 100, out), FileReadStatus::NotAFile);
  ASSERT_EQ(::mkfifo(toUtf8(dir / L"fifo").c_str(), 0600), 0);
  EXPECT_EQ(readWholeFile(dir / L"fifo", 100, out), FileReadStatus::NotAFile);  // without waiting for a writer
  EXPECT_EQ(readWholeFile(L"/dev/zero", 100, out), FileReadStatus::NotAFile);

  const std::string bytes("ten\0bytes!", 10);
  writeFile(dir / L"ten", bytes);
  EXPECT_EQ(readWholeFile(dir / L"ten", 10, out), FileReadStatus::Ok);
  EXPECT_EQ(out, bytes);
  EXPECT_EQ(readWholeFile(dir / L"ten", 9, out), FileReadStatus::TooLarge);
  EXPECT_EQ(out, "");
  writeFile(dir / L"empty", "");
  EXPECT_EQ(readWholeFile(dir / L"empty", 0, out), FileReadStatus::Ok);
  ASSERT_EQ(::symlink(toUtf8(dir / L"ten").c_str(), toUtf8(dir / L"link").c_str()), 0);
  EXPECT_EQ(readWholeFile(dir / L"link", 10, out), FileReadStatus::Ok);
  EXPECT_EQ(out, bytes);

  // The start of a file, and whether that was all of it.
  struct Start {
    size_t count;
    size_t limit;
    FileReadStatus status;
    std::string out;
    bool whole;
  };
  const Start starts[] = {
      {4, 100, FileReadStatus::Ok, bytes.substr(0, 4), false},
      {10, 100, FileReadStatus::Ok, bytes, true},
      {1000, 100, FileReadStatus::Ok, bytes, true},
      {4, 9, FileReadStatus::TooLarge, "", false},
  };
  for (const Start& s : starts) {
    bool whole = !s.whole;
    EXPECT_EQ(readFileStart(dir / L"ten", s.count, s.limit, out, whole), s.status) << s.count;
    EXPECT_EQ(out, s.out) << s.count;
    EXPECT_EQ(whole, s.whole) << s.count;
  }
  bool whole = true;
  EXPECT_EQ(readFileStart(dir / L"fifo", 10, 100, out, whole), FileReadStatus::NotAFile);
}

TEST(WholeFileTest, ReplacesAtomicallyKeepingTheMode) {
  TempDir dir;
  const std::wstring file = dir / L"f.xml";
  ASSERT_TRUE(writeText(file, "first"));
  const mode_t umaskNow = ::umask(0);
  ::umask(umaskNow);
  EXPECT_EQ(modeOf(file), 0666u & ~umaskNow);  // as a plain new file would be
  EXPECT_EQ(readFile(file), "first");

  ASSERT_EQ(::chmod(toUtf8(file).c_str(), 0604), 0);
  ASSERT_TRUE(writeText(file, "second"));
  EXPECT_EQ(readFile(file), "second");
  EXPECT_EQ(modeOf(file), 0604u);
  EXPECT_EQ(entryCount(dir.path()), 1u);

  // Saving through a link updates the file it names; the link stays a link.
  ASSERT_TRUE(createFolders(dir / L"real"));
  writeFile(dir / L"real/target.xml", "old");
  ASSERT_EQ(::symlink("real/target.xml", toUtf8(dir / L"link.xml").c_str()), 0);
  ASSERT_TRUE(writeText(dir / L"link.xml", "through the link"));
  EXPECT_EQ(readFile(dir / L"real/target.xml"), "through the link");
  struct stat st {};
  ASSERT_EQ(::lstat(toUtf8(dir / L"link.xml").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(WholeFileTest, AFailedReplaceLeavesThePreviousFileAndNoTemporary) {
  TempDir dir;
  const std::wstring file = dir / L"f.xml";
  writeFile(file, "previous");
  // The writer gives up half way.
  EXPECT_FALSE(replaceFileAtomically(file, [](std::FILE* f) {
    std::fputs("half", f);
    return false;
  }));
  // The disk fills up.
  EXPECT_FALSE(test::runWithFileSizeLimit(1000, [&] { return writeText(file, std::string(5000, 'x')); }));
  EXPECT_EQ(readFile(file), "previous");
  EXPECT_EQ(entryCount(dir.path()), 1u);

  // What cannot be replaced is refused before anything is written.
  ASSERT_TRUE(createFolders(dir / L"folder"));
  EXPECT_FALSE(writeText(dir / L"folder", "x"));
  EXPECT_TRUE(isFolder(dir / L"folder"));
  EXPECT_FALSE(writeText(dir / L"missing/f.xml", "x"));
  EXPECT_FALSE(writeText(L"", "x"));
  ASSERT_EQ(::chmod(toUtf8(file).c_str(), 0444), 0);
  if (::access(toUtf8(file).c_str(), W_OK) != 0) {  // modes do not bind a privileged user
    EXPECT_FALSE(writeText(file, "replaced"));
    EXPECT_EQ(readFile(file), "previous");
  }
  EXPECT_EQ(entryCount(dir.path()), 2u);
}

}  // namespace
}  // namespace tavoro
