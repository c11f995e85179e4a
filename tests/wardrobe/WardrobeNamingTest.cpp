#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "platform/FileSystem.h"
#include "wardrobe/WardrobeNaming.h"

namespace tavoro {
namespace {

using test::TempDir;

const std::wstring kNameHint =
    L"\n\nHint: a wardrobe name cannot contain any of the following charactes:\n\t\\ / : * ? \" < > |";

TEST(WardrobeNamingTest, DefaultNamesAndTheirNumbering) {
  EXPECT_EQ(defaultWardrobeName(-3), L"My Wardrobe");
  EXPECT_EQ(defaultWardrobeName(1), L"My Wardrobe");
  EXPECT_EQ(defaultWardrobeName(2), L"My Wardrobe 2");
  EXPECT_EQ(defaultWardrobeName(40), L"My Wardrobe 40");

  struct Case {
    const wchar_t* name;
    int32_t next;
    int32_t expected;
  };
  const std::vector<Case> accepted = {
      {L"My Wardrobe 40", 3, 41},
      {L"My Wardrobe 3", 3, 4},
      {L"My Wardrobe 2", 3, 3},
      {L"My Wardrobe", 3, 3},
      {L"My Wardrobe 40x", 3, 3},
      {L"my wardrobe 40", 3, 3},
      {L"My Wardrobe  40", 3, 3},
      {L"My Wardrobe -40", 3, 3},
      {L"My Wardrobe +40", 3, 3},
      {L"X My Wardrobe 40", 3, 3},
      {L"My Wardrobe 007", 3, 8},
      {L"My Wardrobe 99999999999", 3, 3},
      {L"My Wardrobe 2147483647", 3, INT32_MAX},
  };
  for (const Case& c : accepted)
    EXPECT_EQ(nextWardrobeIdAfterAccept(c.name, c.next), c.expected) << std::string(c.name, c.name + wcslen(c.name));

  // Opening the dialog takes a number; cancelling gives it back.
  EXPECT_EQ(nextWardrobeIdAfterCancel(5), 4);
  EXPECT_EQ(nextWardrobeIdAfterCancel(2), 1);
  EXPECT_EQ(nextWardrobeIdAfterCancel(1), 1);
  EXPECT_EQ(nextWardrobeIdAfterCancel(INT32_MIN), 1);
}

TEST(WardrobeNamingTest, RefusesNamesWithTheProgramsHint) {
  TempDir dir;
  std::vector<std::wstring> refused = {L"a\tb",
                                       L"a/b",
                                       L"a\\b",
                                       L"a:b",
                                       L"a*b",
                                       L"a?b",
                                       L"a\"b",
                                       L"a<b",
                                       L"a>b",
                                       L"a|b",
                                       L"a\rb",
                                       L"a\nb",
                                       L"a\x01"
                                       L"b",
                                       L"a\x7F",
                                       L"a\u2028b",
                                       L"",
                                       L"   "};
  refused.push_back(std::wstring(260, L'n'));                        // 260 characters: one too many
  refused.push_back(std::wstring(130, L'\U0001F455'));               // 260 UTF-16 units
  refused.push_back(std::wstring(84, L'\u6D77'));                    // 252 bytes + ".twd" does not fit a file name
  refused.push_back(std::wstring(1, static_cast<wchar_t>(0xDCE9)));  // a byte that was not UTF-8
  for (const std::wstring& name : refused) {
    const NewWardrobeCheck check = checkNewWardrobe(name, dir.path());
    EXPECT_EQ(check.problem, NewWardrobeProblem::InvalidName) << name.size();
    EXPECT_EQ(check.message, L"Invalid wardrobe name: " + check.name + kNameHint);
  }
  const std::vector<std::wstring> accepted = {std::wstring(50, L'n'), std::wstring(251, L'n'),
                                              std::wstring(83, L'\u6D77'), L"Caf\u00E9 \U0001F457 & co. (2)",
                                              L"  padded  "};
  for (const std::wstring& name : accepted)
    EXPECT_EQ(checkNewWardrobe(name, dir.path()).problem, NewWardrobeProblem::None) << name.size();
}

// Collections, tags and items: only characters that a wardrobe file can hold
// and that read back the same.
TEST(WardrobeNamingTest, NamesRefuseControlCharacters) {
  for (const wchar_t* name : {L"a\x01", L"\tTab", L"line\nbreak", L"a\x7F", L"a\u0085", L"a\u2028b", L"\uFFFE", L""})
    EXPECT_FALSE(isPrintableName(name)) << name;
  for (const wchar_t* name : {L"Shirts", L"Caf\u00E9 \U0001F457 & <co.> \"2\"", L"  padded  ", L"a/b:c"})
    EXPECT_TRUE(isPrintableName(name)) << name;
  EXPECT_EQ(invalidNameMessage(NameKind::Collection), L"Invalid collection name. Please try another name.");
  EXPECT_EQ(invalidNameMessage(NameKind::Tag), L"Invalid tag name. Please try another name.");
  EXPECT_EQ(invalidNameMessage(NameKind::Item), L"Invalid item name. Please try another name.");
}

TEST(WardrobeNamingTest, ChecksTheFolderAndWhatIsAlreadyThere) {
  TempDir dir;
  // The folder is made with its parents; the result is trimmed and normalised.
  NewWardrobeCheck check = checkNewWardrobe(L"  Closet\t", L" " + (dir / L"new/sub//") + L" ");
  EXPECT_EQ(check.problem, NewWardrobeProblem::None);
  EXPECT_EQ(check.message, L"");
  EXPECT_EQ(check.name, L"Closet");
  EXPECT_EQ(check.folder, dir / L"new/sub//");
  EXPECT_EQ(check.path, dir / L"new/sub/Closet");
  EXPECT_TRUE(isFolder(dir / L"new/sub"));
  EXPECT_FALSE(pathExists(check.path));

  test::writeFile(dir / L"file", "x");
  check = checkNewWardrobe(L"Closet", L" " + (dir / L"file") + L" ");
  EXPECT_EQ(check.problem, NewWardrobeProblem::InvalidFolder);
  EXPECT_EQ(check.message, L"Invalid folder: \"" + (dir / L"file") + L"\"\n\nPlease specify another location.");
  EXPECT_EQ(checkNewWardrobe(L"Closet", L"").problem, NewWardrobeProblem::InvalidFolder);

  const std::wstring exists =
      L"A wardrobe with the specified name already exists on disk in the specified location.\n\n"
      L"Please enter a new wardrobe name or choose another folder.";
  ASSERT_TRUE(createFolders(dir / L"Taken"));  // empty, and still taken
  check = checkNewWardrobe(L"Taken", dir.path());
  EXPECT_EQ(check.problem, NewWardrobeProblem::AlreadyExists);
  EXPECT_EQ(check.message, exists);
  EXPECT_EQ(checkNewWardrobe(L"file", dir.path()).problem, NewWardrobeProblem::AlreadyExists);
  EXPECT_EQ(checkNewWardrobe(L"..", dir.path()).problem, NewWardrobeProblem::AlreadyExists);
  EXPECT_EQ(checkNewWardrobe(L"taken", dir.path()).problem, NewWardrobeProblem::None);  // names differ in case
}

}  // namespace
}  // namespace tavoro
