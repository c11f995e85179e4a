#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::ScopedEnv;
using test::TempDir;

class AppPathsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    AppPaths::setProgramFolderForTesting(L"");
    removeRunTempFolder();
  }
  TempDir m_dir;
};

TEST_F(AppPathsTest, ProgramFolderIsTheExecutablesFolder) {
  const std::wstring folder = AppPaths::programFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(isFile(folder + L"/platform_tests"));
  EXPECT_EQ(AppPaths::helpFile(), folder + L"/Help.html");
  EXPECT_EQ(AppPaths::productName(), L"Tavoro");
}

TEST_F(AppPathsTest, AnUninstallerMarksAnInstalledCopy) {
  const std::wstring program = m_dir / L"program";
  ASSERT_TRUE(createFolders(program));
  AppPaths::setProgramFolderForTesting(program);
  ScopedEnv config("XDG_CONFIG_HOME", m_dir / L"config");

  EXPECT_FALSE(AppPaths::isInstalled());
  EXPECT_EQ(AppPaths::dataFolder(), program);

  test::writeFile(program + L"/unins000.dat", "");
  EXPECT_TRUE(AppPaths::isInstalled());
  EXPECT_EQ(AppPaths::dataFolder(), m_dir / L"config/Quillmoor/Tavoro");
  EXPECT_TRUE(ensureDataFolder());
  EXPECT_TRUE(isFolder(m_dir / L"config/Quillmoor/Tavoro"));

  // unins?.dat patterns need exactly three characters.
  ASSERT_TRUE(removeFile(program + L"/unins000.dat"));
  test::writeFile(program + L"/unins0000.dat", "");
  EXPECT_FALSE(AppPaths::isInstalled());
}

TEST_F(AppPathsTest, TemporaryFolderIsPrivate) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", m_dir / L"no-such-runtime");
  ScopedEnv tmp("TMPDIR", m_dir.path());
  const std::wstring expected = m_dir / (L"Quillmoor-" + std::to_wstring(::getuid()) + L"/Tavoro");
  EXPECT_EQ(AppPaths::tempFolder(), expected);
  ASSERT_EQ(ensureTempFolder(), TempFolderSetUp::Usual);
  struct stat st {};
  ASSERT_EQ(::stat(toUtf8(expected).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ASSERT_EQ(::stat(toUtf8(m_dir / (L"Quillmoor-" + std::to_wstring(::getuid()))).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(ensureTempFolder(), TempFolderSetUp::Usual);  // again: still fine
}

// Without XDG_RUNTIME_DIR the folder lies under /tmp, where another local
// user can make it first. Such a folder is never used: this run gets a fresh
// private folder of its own.
TEST_F(AppPathsTest, ATemporaryFolderThatFailsItsCheckIsNeverUsed) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", L"");
  ScopedEnv tmp("TMPDIR", m_dir.path());
  const std::wstring company = m_dir / (L"Quillmoor-" + std::to_wstring(::getuid()));
  const std::wstring usual = company + L"/Tavoro";
  const std::wstring elsewhere = m_dir / L"elsewhere";
  struct Case {
    const char* what;
    std::function<bool()> hijack;
  };
  const Case cases[] = {
      {"a link to another folder", [&] { return ::symlink(toUtf8(elsewhere).c_str(), toUtf8(company).c_str()) == 0; }},
      {"another user's folder, open to all",
       [&] {
         return createFolders(usual) && ::chown(toUtf8(company).c_str(), 12345, 12345) == 0 &&
                ::chmod(toUtf8(company).c_str(), 0777) == 0 && ::chmod(toUtf8(usual).c_str(), 0777) == 0;
       }},
      {"another user's product folder in ours",
       [&] { return createFolders(usual) && ::chown(toUtf8(usual).c_str(), 12345, 12345) == 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!removeFile(company)) removeTree(company);  // a link, or a folder
    removeTree(elsewhere);
    ASSERT_TRUE(createFolders(elsewhere + L"/Tavoro"));
    if (!c.hijack()) {
      if (::geteuid() != 0) continue;  // giving a folder away needs root
      FAIL() << "the folder could not be hijacked";
    }
    EXPECT_EQ(ensureTempFolder(), TempFolderSetUp::PrivateForThisRun);
    const std::wstring folder = AppPaths::tempFolder();
    EXPECT_NE(folder.rfind(m_dir / L"Quillmoor-Tavoro-", 0), std::wstring::npos) << toUtf8(folder);
    struct stat st {};
    ASSERT_EQ(::lstat(toUtf8(folder).c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_uid, ::geteuid());
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(ensureTempFolder(), TempFolderSetUp::PrivateForThisRun);  // the same folder, not another
    EXPECT_EQ(AppPaths::tempFolder(), folder);
    removeRunTempFolder();
    EXPECT_FALSE(pathExists(folder));
    EXPECT_EQ(AppPaths::tempFolder(), normalizePath(usual));
  }
}

TEST_F(AppPathsTest, RuntimeFolderIsPreferred) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", m_dir.path());
  EXPECT_EQ(AppPaths::tempFolder(), m_dir / L"Quillmoor/Tavoro");
}

TEST_F(AppPathsTest, DocumentsFolderFollowsUserDirs) {
  ScopedEnv home("HOME", m_dir / L"home");
  ScopedEnv config("XDG_CONFIG_HOME", m_dir / L"home/.config");
  ASSERT_TRUE(createFolders(m_dir / L"home/.config"));
  EXPECT_EQ(AppPaths::documentsFolder(), m_dir / L"home/");
  ASSERT_TRUE(createFolders(m_dir / L"home/Documents"));
  EXPECT_EQ(AppPaths::documentsFolder(), m_dir / L"home/Documents/");
  ASSERT_TRUE(createFolders(m_dir / L"home/Dokumente"));
  test::writeFile(m_dir / L"home/.config/user-dirs.dirs", "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  EXPECT_EQ(AppPaths::documentsFolder(), m_dir / L"home/Dokumente/");
}

}  // namespace
}  // namespace tavoro
