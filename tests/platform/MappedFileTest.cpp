#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/MappedFile.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr uint64_t kChunk = 10 * MappedFile::kGranularity;

TEST(MappedFileTest, CreatesAPrivateZeroedFileOverALeftoverAndDeletesItAtClose) {
  TempDir dir;
  const std::wstring path = dir / L"scratch.tcf";
  writeFile(path, std::string(3 * kChunk, 'x'));  // from an earlier run
  ::chmod(toUtf8(path).c_str(), 0644);
  {
    MappedFile file;
    ASSERT_TRUE(file.create(path, kChunk));
    struct stat st {};
    ASSERT_EQ(::stat(toUtf8(path).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(static_cast<uint64_t>(st.st_size), kChunk);
    EXPECT_EQ(readFile(path), std::string(kChunk, '\0'));
    file.close(true);
    EXPECT_FALSE(pathExists(path));
    EXPECT_FALSE(file.isOpen());
  }
  MappedFile kept;
  ASSERT_TRUE(kept.create(path, kChunk));
  kept.close(false);
  EXPECT_TRUE(pathExists(path));
}

TEST(MappedFileTest, RefusesLinksFoldersAndAFileInUse) {
  TempDir dir;
  writeFile(dir / L"victim", "precious");
  ASSERT_EQ(::symlink(toUtf8(dir / L"victim").c_str(), toUtf8(dir / L"link.tcf").c_str()), 0);
  createFolders(dir / L"folder.tcf");
  MappedFile file;
  EXPECT_FALSE(file.create(dir / L"link.tcf", kChunk));
  EXPECT_EQ(readFile(dir / L"victim"), "precious");
  EXPECT_FALSE(file.create(dir / L"folder.tcf", kChunk));
  EXPECT_FALSE(file.create(dir / L"missing folder/x.tcf", kChunk));
  EXPECT_FALSE(file.create(L"", kChunk));
  EXPECT_FALSE(file.isOpen());

  MappedFile first, second;
  ASSERT_TRUE(first.create(dir / L"busy.tcf", kChunk));
  std::memcpy(first.view(0, 4), "live", 4);
  EXPECT_FALSE(second.create(dir / L"busy.tcf", kChunk));  // would empty live data
  EXPECT_EQ(std::memcmp(first.view(0, 4), "live", 4), 0);
}

TEST(MappedFileTest, ViewsAreReusedWhileTheyCoverTheRangeAndSeeWhatWasWritten) {
  TempDir dir;
  MappedFile file;
  ASSERT_TRUE(file.create(dir / L"v.tcf", kChunk));
  uint8_t* p = file.view(100 * 1024, 1000);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(file.viewOffset(), 65536u);  // rounded down to the granule
  EXPECT_EQ(file.viewLength(), kChunk - 65536u);
  std::memcpy(p, "record", 6);
  EXPECT_EQ(file.view(200 * 1024, 10), p + 100 * 1024);  // same view
  EXPECT_EQ(file.view(kChunk - 1, 2), nullptr);          // past the end
  EXPECT_EQ(file.view(kChunk, 1), nullptr);
  EXPECT_EQ(file.view(0, 0), nullptr);

  ASSERT_TRUE(file.grow(2 * kChunk));
  EXPECT_EQ(file.size(), 2 * kChunk);
  uint8_t* q = file.view(kChunk - 3, 6);  // across the old end: mapped again
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(file.viewLength(), 2 * kChunk - file.viewOffset());
  uint8_t* back = file.view(100 * 1024, 6);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(std::memcmp(back, "record", 6), 0);
  file.close(false);
  EXPECT_EQ(readFile(dir / L"v.tcf").substr(100 * 1024, 6), "record");
  EXPECT_EQ(file.view(0, 1), nullptr);
  EXPECT_FALSE(file.grow(3 * kChunk));
}

TEST(MappedFileTest, ViewsOfALargeFileSpanABoundedWindowUnlessTheRangeNeedsMore) {
  TempDir dir;
  MappedFile file;
  constexpr uint64_t kLimit = MappedFile::kViewLimit;
  ASSERT_TRUE(file.create(dir / L"large.tcf", 4 * kLimit));
  uint8_t* early = file.view(kLimit + 10, 100);
  ASSERT_NE(early, nullptr);
  EXPECT_EQ(file.viewOffset(), kLimit);
  EXPECT_EQ(file.viewLength(), kLimit);
  std::memcpy(early, "early", 5);
  // A range reaching past the window maps what it needs, whole.
  uint8_t* wide = file.view(kLimit + 10, kLimit + 5);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(file.viewLength(), kLimit + MappedFile::kGranularity);
  EXPECT_EQ(std::memcmp(wide, "early", 5), 0);
  // Near the end the window stops at the end of the file.
  ASSERT_NE(file.view(4 * kLimit - 3, 3), nullptr);
  EXPECT_EQ(file.viewOffset() + file.viewLength(), 4 * kLimit);
  uint8_t* back = file.view(kLimit + 10, 5);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(std::memcmp(back, "early", 5), 0);

  // The second view reads elsewhere without moving the first, and both see
  // the same file.
  uint8_t* end = file.view(4 * kLimit - 8, 8, 0);
  uint8_t* start = file.view(5, 5, 1);
  ASSERT_TRUE(end && start);
  EXPECT_EQ(file.viewOffset(1), 0u);
  EXPECT_EQ(file.viewLength(1), kLimit);
  EXPECT_EQ(file.view(4 * kLimit - 8, 8, 0), end);
  std::memcpy(end, "appended", 8);
  std::memcpy(start, "first", 5);
  EXPECT_EQ(std::memcmp(file.view(4 * kLimit - 8, 8, 1), "appended", 8), 0);
  EXPECT_EQ(std::memcmp(file.view(5, 5, 0), "first", 5), 0);
  EXPECT_EQ(file.view(0, 1, 2), nullptr);
  EXPECT_EQ(file.view(0, 1, -1), nullptr);
}

}  // namespace
}  // namespace tavoro
