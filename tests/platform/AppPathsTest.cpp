#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::ScopedEnv;
using test::TempDir;

class AppPathsTest : public ::testing::Test {
 protected:
  void TearDown() override { AppPaths::setProgramFolderForTesting(L""); }
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
  ASSERT_TRUE(ensureTempFolder());
  struct stat st {};
  ASSERT_EQ(::stat(toUtf8(expected).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ASSERT_EQ(::stat(toUtf8(m_dir / (L"Quillmoor-" + std::to_wstring(::getuid()))).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_TRUE(ensureTempFolder());  // again: still fine
}

TEST_F(AppPathsTest, TemporaryFolderRefusesALinkPlantedByAnotherUser) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", L"");
  ScopedEnv tmp("TMPDIR", m_dir.path());
  ASSERT_TRUE(createFolders(m_dir / L"elsewhere"));
  const std::wstring company = m_dir / (L"Quillmoor-" + std::to_wstring(::getuid()));
  ASSERT_EQ(::symlink(toUtf8(m_dir / L"elsewhere").c_str(), toUtf8(company).c_str()), 0);
  EXPECT_FALSE(ensureTempFolder());
}

TEST_F(AppPathsTest, TemporaryFolderRefusesAFolderOwnedByAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a folder to another user";
  ScopedEnv runtime("XDG_RUNTIME_DIR", L"");
  ScopedEnv tmp("TMPDIR", m_dir.path());
  const std::wstring company = m_dir / (L"Quillmoor-" + std::to_wstring(::getuid()));
  ASSERT_TRUE(createFolders(company));
  ASSERT_EQ(::chown(toUtf8(company).c_str(), 12345, 12345), 0);
  EXPECT_FALSE(ensureTempFolder());
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
