#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "platform/WholeFile.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

uint64_t hashOf(const std::string& bytes, size_t piece) {
  ContentHash hash;
  for (size_t at = 0; at < bytes.size(); at += piece) hash.add(bytes.data() + at, std::min(piece, bytes.size() - at));
  return hash.value();
}

TEST(FileIdentityTest, TheHashTellsContentsApartHoweverTheyAreCut) {
  const std::vector<std::string> contents = {"", "a", "b", "ab", "ba", std::string(8, '\0'), std::string(9, '\0'),
                                             "<Item name=\"Shirt\"/>", "<Item name=\"Shirs\"/>",
                                             std::string(1000, 'x') + "y", std::string(1000, 'x') + "z"};
  std::vector<uint64_t> values;
  for (const std::string& c : contents) {
    values.push_back(hashOf(c, c.size() + 1));
    for (size_t piece : {1, 3, 7, 8, 13}) EXPECT_EQ(hashOf(c, piece), values.back()) << c.size() << " by " << piece;
  }
  for (size_t i = 0; i < values.size(); ++i)
    for (size_t j = i + 1; j < values.size(); ++j) EXPECT_NE(values[i], values[j]) << i << " and " << j;
}

// A sync tool keeps a file's time and may keep its size: the bytes decide.
TEST(FileIdentityTest, AFileIsTheSameOnlyWithTheSameSizeTimeAndBytes) {
  TempDir dir;
  const std::wstring file = dir / L"Closet.twd";
  FileIdentity none;
  ASSERT_TRUE(readFileIdentity(file, none));
  EXPECT_FALSE(none.exists);
  EXPECT_TRUE(isSameFile(file, none));  // still no file

  writeFile(file, "version one");
  EXPECT_FALSE(isSameFile(file, none));
  FileIdentity one;
  ASSERT_TRUE(readFileIdentity(file, one));
  EXPECT_TRUE(one.exists);
  EXPECT_EQ(one.size, 11u);
  EXPECT_TRUE(isSameFile(file, one));

  // Other bytes of the same size under the same time.
  struct stat st {};
  ASSERT_EQ(::stat(toUtf8(file).c_str(), &st), 0);
  writeFile(file, "version two");
  const timespec times[2] = {st.st_atim, st.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, toUtf8(file).c_str(), times, 0), 0);
  EXPECT_FALSE(isSameFile(file, one));
  // The same bytes again, but written later.
  writeFile(file, "version one");
  const timespec later[2] = {st.st_atim, {st.st_mtim.tv_sec + 5, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, toUtf8(file).c_str(), later, 0), 0);
  EXPECT_FALSE(isSameFile(file, one));
  ASSERT_TRUE(removeFile(file));
  EXPECT_FALSE(isSameFile(file, one));
  ASSERT_TRUE(createFolders(file));
  EXPECT_FALSE(readFileIdentity(file, one));  // a folder is not a file we read
}

bool save(const std::wstring& path, const std::string& text, const FileIdentity* expected, FileIdentity* written) {
  return static_cast<bool>(replaceFileAtomically(
      path, [&](std::FILE* f) { return std::fwrite(text.data(), 1, text.size(), f) == text.size(); }, expected,
      written));
}

TEST(FileIdentityTest, ASaveReplacesOnlyTheFileItExpects) {
  TempDir dir;
  const std::wstring file = dir / L"Closet.twd";
  FileIdentity expected;  // a new wardrobe: no file yet
  FileIdentity written;
  ASSERT_TRUE(save(file, "ours", &expected, &written));
  FileIdentity onDisk;
  ASSERT_TRUE(readFileIdentity(file, onDisk));
  EXPECT_EQ(written, onDisk);

  // Another writer replaces it: our next save is refused and leaves theirs.
  writeFile(file, "theirs, from another computer");
  const Status refused = replaceFileAtomically(
      file, [](std::FILE* f) { return std::fputs("ours again", f) >= 0; }, &written, nullptr);
  EXPECT_TRUE(isChangedOnDisk(refused)) << refused.reason();
  EXPECT_EQ(readFile(file), "theirs, from another computer");
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(listFolder(dir.path(), entries));
  EXPECT_EQ(entries.size(), 1u);  // no temporary left

  // A new wardrobe whose file someone else made meanwhile is not written over either.
  const FileIdentity noFile;
  EXPECT_FALSE(save(file, "ours", &noFile, nullptr));
  // Once theirs has been read, it may be replaced.
  ASSERT_TRUE(readFileIdentity(file, expected));
  EXPECT_TRUE(save(file, "ours, with theirs read", &expected, nullptr));
  EXPECT_EQ(readFile(file), "ours, with theirs read");
}

}  // namespace
}  // namespace tavoro
