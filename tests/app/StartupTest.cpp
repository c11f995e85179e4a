#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <memory>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "app/AppFolders.h"
#include "app/HandoverFrame.h"
#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::ScopedEnv;

class AppFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(createFolders(m_dir / L"program"));
    AppPaths::setProgramFolderForTesting(m_dir / L"program");
  }
  void TearDown() override {
    AppPaths::setProgramFolderForTesting(L"");
    removeRunTempFolder();
  }

  std::vector<std::wstring> setUp() {
    std::vector<std::wstring> boxes;
    setUpFolders([&boxes](const std::wstring& text) { boxes.push_back(text); });
    return boxes;
  }

  test::TempDir m_dir;
};

TEST_F(AppFoldersTest, InstalledCopyMakesBothFoldersSilently) {
  test::writeFile(m_dir / L"program/unins000.dat", "");
  ScopedEnv config("XDG_CONFIG_HOME", m_dir / L"config");
  ScopedEnv runtime("XDG_RUNTIME_DIR", m_dir.path());
  EXPECT_TRUE(setUp().empty());
  EXPECT_TRUE(isFolder(m_dir / L"config/Quillmoor/Tavoro"));
  EXPECT_TRUE(isFolder(m_dir / L"Quillmoor/Tavoro"));
}

TEST_F(AppFoldersTest, EachFolderThatCannotBeMadeIsReportedDataFolderFirst) {
  test::writeFile(m_dir / L"config", "a file where the configuration folder should be");
  ScopedEnv config("XDG_CONFIG_HOME", m_dir / L"config");
  ScopedEnv runtime("XDG_RUNTIME_DIR", L"");
  ScopedEnv tmp("TMPDIR", m_dir / L"no-such-folder");

  // Not installed: the data folder is the program folder, nothing to make.
  EXPECT_EQ(setUp(), std::vector<std::wstring>{kTempFolderFailedText});

  test::writeFile(m_dir / L"program/unins000.dat", "");
  EXPECT_EQ(setUp(), (std::vector<std::wstring>{kDataFolderFailedText, kTempFolderFailedText}));
  EXPECT_EQ(std::wstring(kDataFolderFailedText),
            L"Failed to create directory for application data!\nUser settings will not be saved.");
}

// A main window that ends the event loop as soon as it runs, noting where
// the instance lock was then.
class QuitAtOnce : public ProgramWindow {
 public:
  explicit QuitAtOnce(std::wstring& lockPath) : m_lockPath(lockPath) {}
  void openFromCommandLine(const std::wstring&) override {}
  void receiveHandover(const std::vector<std::wstring>&) override {}
  void enterEventLoop() override {
    m_lockPath = instanceLockPath();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }
  void requestClose() override {}

 private:
  std::wstring& m_lockPath;
};

// Another local user made the temporary folder first (as anyone can under
// /tmp) and waits for the lock file and the socket to appear in it.
TEST_F(AppFoldersTest, AHijackedTemporaryFolderIsNeverUsed) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", L"");
  ScopedEnv tmp("TMPDIR", m_dir.path());
  const std::wstring theirs = m_dir / L"theirs";
  ASSERT_TRUE(createFolders(theirs + L"/Tavoro"));
  const std::wstring company = m_dir / (L"Quillmoor-" + std::to_wstring(::getuid()));
  ASSERT_EQ(::symlink(toUtf8(theirs).c_str(), toUtf8(company).c_str()), 0);

  std::vector<std::wstring> boxes;
  std::wstring lockPath;
  ProgramHooks hooks;
  hooks.inform = [&boxes](const std::wstring& text) { boxes.push_back(text); };
  hooks.createWindow = [&lockPath] { return std::make_unique<QuitAtOnce>(lockPath); };
  EXPECT_EQ(runProgram({}, hooks), 0);

  EXPECT_EQ(boxes, std::vector<std::wstring>{kTempFolderFailedText});  // said once
  ASSERT_FALSE(lockPath.empty()) << "the program did not start";
  EXPECT_EQ(lockPath.rfind(m_dir / L"Quillmoor-Tavoro-", 0), 0u) << toUtf8(lockPath);
  std::vector<FolderEntry> planted;
  ASSERT_TRUE(listFolder(theirs + L"/Tavoro", planted));
  EXPECT_TRUE(planted.empty()) << "something of ours was put in their folder";
  EXPECT_FALSE(pathExists(pathFolder(lockPath)));  // this run's folder went with the run
}

TEST(StartupTest, HandedOverPathsAreAbsoluteAgainstTheSendersFolder) {
  test::TempDir dir;
  char previous[4096];
  ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(::chdir(toUtf8(dir.path()).c_str()), 0);
  const std::vector<uint8_t> frame = handoverFrameFor({L"  shirts.twd ", L"../x/y.twd", L"/abs/z.twd"});
  ASSERT_EQ(::chdir(previous), 0);

  HandoverFrameReader reader;
  ASSERT_EQ(reader.feed(frame.data(), frame.size()), HandoverFrameReader::State::Complete);
  const std::vector<std::wstring> paths = readHandover(reader.dwData(), reader.data().data(), reader.data().size());
  const std::wstring parent = dir.path().substr(0, dir.path().rfind(L'/'));
  EXPECT_EQ(paths, (std::vector<std::wstring>{dir / L"shirts.twd", parent + L"/x/y.twd", L"/abs/z.twd"}));

  // No arguments, or none that fits a slot: only come to the front.
  EXPECT_EQ(handoverFrameFor({}), encodeHandoverFrame(0, {}));
  EXPECT_EQ(handoverFrameFor({L"/" + std::wstring(400, L'a')}), encodeHandoverFrame(0, {}));
}

}  // namespace
}  // namespace tavoro
