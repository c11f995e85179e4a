#include <gtest/gtest.h>

#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"

namespace tavoro {
namespace {

using test::TempDir;

TEST(PathOpsTest, NormalizesLexically) {
  struct Case {
    const wchar_t* path;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"/a//b///c", L"/a/b/c"},
      {L"//server/share//x", L"//server/share/x"},
      {L"/a/./b/../c", L"/a/c"},
      {L"/a/b/..", L"/a"},
      {L"/../x", L"/x"},
      {L"a/../../b", L"../b"},
      {L"./a", L"a"},
      {L"/a/b/", L"/a/b/"},
      {L"/", L"/"},
      {L"", L""},
      {L"/My Wardrobes/Summer 2024/Summer 2024.twd", L"/My Wardrobes/Summer 2024/Summer 2024.twd"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(normalizePath(c.path), c.expected) << c.path;
    EXPECT_EQ(lexicalPath(c.path), c.expected) << c.path;  // none of them exists
  }
  // Long paths are never cut.
  std::wstring longPath;
  for (int i = 0; i < 100; ++i) longPath += L"/folder" + std::to_wstring(i);
  EXPECT_EQ(normalizePath(longPath), longPath);
}

TEST(PathOpsTest, JoiningANameToAFolderGivesWhatNormalizingTheWholeWouldGive) {
  const wchar_t* folders[] = {L"",
                              L"/",
                              L"//",
                              L"///",
                              L".",
                              L"./",
                              L"..",
                              L"../..",
                              L"../a",
                              L"a/..",
                              L"a/../..",
                              L"/..",
                              L"/a/..",
                              L"/a/./b",
                              L"/a//b",
                              L"/a/b",
                              L"/a/b/",
                              L"/a/b//",
                              L"a",
                              L"a/b/",
                              L"./a",
                              L"//srv/share",
                              L"//srv/",
                              L"/a/b/.",
                              L"../b/",
                              L"/a/.../b",
                              L"/W/_Wardrobe_Photos_/C_000001"};
  const wchar_t* names[] = {L"X", L"I_000001", L"P_000002.jpg", L".", L"..", L"", L"a/b", L"/x", L"...", L"x/"};
  for (const wchar_t* folder : folders)
    for (const wchar_t* name : names)
      EXPECT_EQ(joinLexical(folder, name), lexicalPath(std::wstring(folder) + L"/" + name))
          << "folder \"" << folder << "\", name \"" << name << "\"";
}

TEST(PathOpsTest, ExistingFoldersGainATrailingSlash) {
  TempDir dir;
  ASSERT_TRUE(createFolders(dir / L"folder"));
  test::writeFile(dir / L"file", "x");
  EXPECT_EQ(normalizePath(dir / L"folder"), dir / L"folder/");
  EXPECT_EQ(normalizePath(dir / L"file"), dir / L"file");
  EXPECT_EQ(lexicalPath(dir / L"folder"), dir / L"folder") << "the disk is not looked at";
  EXPECT_EQ(cleanPath(L"  " + (dir / L"folder") + L"\t"), dir / L"folder/");
  EXPECT_EQ(cleanPath(L" /no/such/place "), L"/no/such/place");
  EXPECT_TRUE(samePath(dir / L"folder", dir / L"./folder/"));
  EXPECT_TRUE(samePath(dir / L"x/../file", dir / L"file"));
}

TEST(PathOpsTest, JoinsAndComparesExactly) {
  EXPECT_EQ(joinPath(L"/base", L"rel/x.twd"), L"/base/rel/x.twd");
  EXPECT_EQ(joinPath(L"/base/", L"../x.twd"), L"/x.twd");
  EXPECT_EQ(joinPath(L"/base", L"/abs//x.twd"), L"/abs//x.twd");  // absolute: as given
  EXPECT_EQ(joinPath(L"", L"rel"), L"rel");
  EXPECT_FALSE(samePath(L"/a/Summer.twd", L"/a/summer.twd"));  // case matters here
  EXPECT_TRUE(samePath(L"/a//b/Summer.twd", L"/a/b/./Summer.twd"));
}

TEST(PathOpsTest, TakesPathsApart) {
  EXPECT_EQ(pathFileName(L"/data/my.wardrobe.twd"), L"my.wardrobe.twd");
  EXPECT_EQ(pathStem(L"/data/my.wardrobe.twd"), L"my.wardrobe");
  EXPECT_EQ(pathStem(L"/data.d/noext"), L"noext");
  EXPECT_EQ(pathExtension(L"/data.d/noext"), L"");
  EXPECT_EQ(pathExtension(L"Photo.JPEG"), L"JPEG");
  EXPECT_EQ(pathFolder(L"/data/x.twd"), L"/data");
  EXPECT_EQ(pathFolder(L"/x.twd"), L"/");
  EXPECT_EQ(pathFolder(L"x.twd"), L"");
  EXPECT_EQ(absolutePath(L"/a/./b"), L"/a/b");
  EXPECT_EQ(absolutePath(L"rel").front(), L'/');
}

}  // namespace
}  // namespace tavoro
