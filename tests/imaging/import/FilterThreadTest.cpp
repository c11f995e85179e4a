#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "imaging/import/FilterThread.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using test::TempDir;
using test::writeFile;
using Events = std::vector<std::pair<FilterEvent, size_t>>;

// The sink the dialog would be: it keeps what the thread reported.
class Recorder {
 public:
  FilterSink sink(std::function<void(FilterEvent, size_t)> also = {}) {
    return [this, also](FilterEvent event, size_t count) {
      {
        std::lock_guard lock(m_mutex);
        m_events.emplace_back(event, count);
      }
      if (also) also(event, count);
    };
  }
  Events events() const {
    std::lock_guard lock(m_mutex);
    return m_events;
  }

 private:
  mutable std::mutex m_mutex;
  Events m_events;
};

void link(const std::wstring& target, const std::wstring& at) {
  ASSERT_EQ(::symlink(toUtf8(target).c_str(), toUtf8(at).c_str()), 0) << toUtf8(at);
}

std::vector<std::wstring> sorted(const ImportList& list) {
  std::vector<std::wstring> paths = list.paths();
  std::sort(paths.begin(), paths.end());
  return paths;
}

// Photos in nested folders, files of other kinds, a link cycle, a link to a
// folder outside the tree and a link to a photo.
class FilterTreeTest : public ::testing::Test {
 protected:
  FilterTreeTest() {
    createFolders(m_dir / L"tree/sub/deeper");
    createFolders(m_dir / L"outside");
    writeFile(m_dir / L"tree/a.jpg", "x");
    writeFile(m_dir / L"tree/notes.txt", "x");
    writeFile(m_dir / L"tree/sub/b.PNG", "x");
    writeFile(m_dir / L"tree/sub/anim.gif", "x");
    writeFile(m_dir / L"tree/sub/no extension", "x");
    writeFile(m_dir / L"tree/sub/deeper/c.dib", "x");
    createFolders(m_dir / L"tree/sub/folder.jpg");  // a folder is never a photo
    writeFile(m_dir / L"outside/elsewhere.jpg", "x");
    link(m_dir / L"tree", m_dir / L"tree/sub/deeper/back to the top");
    link(m_dir / L"outside", m_dir / L"tree/outside link");
    link(m_dir / L"tree/a.jpg", m_dir / L"tree/sub/linked photo.jpeg");
    link(m_dir / L"tree/missing.png", m_dir / L"tree/sub/dangling.png");
  }

  ImportList walk(const ImportList& input, Events* events = nullptr) {
    Recorder recorder;
    FilterThread thread(input, recorder.sink());
    EXPECT_TRUE(thread.start());
    thread.wait();
    EXPECT_EQ(thread.exitCode(), 0);
    if (events) *events = recorder.events();
    return thread.accepted();
  }

  TempDir m_dir;
};

TEST_F(FilterTreeTest, KeepsThePhotosOfNestedFoldersAndNeverFollowsAFolderLink) {
  const ImportList accepted = walk({m_dir / L"tree"});
  EXPECT_EQ(sorted(accepted), (std::vector<std::wstring>{
                                  m_dir / L"tree/a.jpg",
                                  m_dir / L"tree/sub/b.PNG",
                                  m_dir / L"tree/sub/deeper/c.dib",
                                  m_dir / L"tree/sub/linked photo.jpeg",
                              }));
}

TEST_F(FilterTreeTest, NamedPathsKeepTheirOrderAndANamedLinkIsEntered) {
  link(m_dir / L"tree/sub/deeper", m_dir / L"named link");
  const ImportList accepted = walk({
      m_dir / L"outside/elsewhere.jpg", m_dir / L"tree/notes.txt", m_dir / L"nothing here.jpg", m_dir / L"named link",
      m_dir / L"tree/a.jpg",
      m_dir / L"tree/sub/",  // a trailing "/" gives no doubled separator
  });
  ASSERT_EQ(accepted.count(), 6u);
  EXPECT_EQ(accepted.at(0), m_dir / L"outside/elsewhere.jpg");
  EXPECT_EQ(accepted.at(1), m_dir / L"named link/c.dib");
  EXPECT_EQ(accepted.at(2), m_dir / L"tree/a.jpg");
  const std::vector<std::wstring> rest(accepted.paths().begin() + 3, accepted.paths().end());
  std::vector<std::wstring> expected = {m_dir / L"tree/sub/b.PNG", m_dir / L"tree/sub/deeper/c.dib",
                                        m_dir / L"tree/sub/linked photo.jpeg"};
  EXPECT_TRUE(std::is_permutation(rest.begin(), rest.end(), expected.begin(), expected.end()));
}

TEST_F(FilterTreeTest, AnEmptyOrUnreadableFolderContributesNothing) {
  createFolders(m_dir / L"empty");
  createFolders(m_dir / L"locked");
  writeFile(m_dir / L"locked/hidden.jpg", "x");
  ::chmod(toUtf8(m_dir / L"locked").c_str(), 0);
  const bool canStillRead = isFile(m_dir / L"locked/hidden.jpg");  // as root
  const ImportList accepted = walk({m_dir / L"empty", m_dir / L"locked"});
  ::chmod(toUtf8(m_dir / L"locked").c_str(), 0700);
  EXPECT_EQ(accepted.count(), canStillRead ? 1u : 0u);
}

TEST(FilterThreadTest, ReportsProgressAtEachNewMultipleOfTenThenTheTotal) {
  TempDir dir;
  createFolders(dir / L"photos/nested/more");
  for (int i = 0; i < 25; ++i) {
    const wchar_t* folder = i < 10 ? L"photos/" : i < 20 ? L"photos/nested/" : L"photos/nested/more/";
    writeFile(dir / (folder + std::to_wstring(i) + L".jpg"), "x");
    writeFile(dir / (folder + std::to_wstring(i) + L".txt"), "x");
  }
  Recorder recorder;
  FilterThread thread({dir / L"photos"}, recorder.sink());
  ASSERT_TRUE(thread.start());
  thread.wait();
  EXPECT_EQ(thread.acceptedCount(), 25u);
  EXPECT_EQ(recorder.events(), (Events{{FilterEvent::Progress, 0},
                                       {FilterEvent::Progress, 10},
                                       {FilterEvent::Progress, 20},
                                       {FilterEvent::Progress, 25},
                                       {FilterEvent::Done, 25}}));
}

class FilterControlTest : public ::testing::Test {
 protected:
  FilterControlTest() {
    createFolders(m_dir / L"photos");
    for (int i = 0; i < 40; ++i) writeFile(m_dir / (L"photos/" + std::to_wstring(i) + L".png"), "x");
  }
  TempDir m_dir;
};

TEST_F(FilterControlTest, APausedWalkGoesOnFromWhereItStopped) {
  Recorder recorder;
  std::atomic<bool> paused{false};
  std::unique_ptr<FilterThread> thread;
  // The user presses Cancel when the count shows 10: the dialog withdraws the
  // permission while it asks.
  thread =
      std::make_unique<FilterThread>(ImportList{m_dir / L"photos"}, recorder.sink([&](FilterEvent event, size_t count) {
        if (event == FilterEvent::Progress && count == 10) {
          thread->runPermission().reset();
          paused = true;
        }
      }));
  ASSERT_TRUE(thread->start());
  while (!paused) std::this_thread::yield();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const size_t atPause = thread->acceptedCount();
  EXPECT_LE(atPause, 11u);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(thread->acceptedCount(), atPause);
  EXPECT_TRUE(thread->isRunning());
  thread->runPermission().set();  // "No": go on
  thread->wait();
  EXPECT_EQ(thread->exitCode(), 0);
  EXPECT_EQ(thread->acceptedCount(), 40u);
  EXPECT_EQ(recorder.events().back(), std::make_pair(FilterEvent::Done, size_t{40}));
}

TEST_F(FilterControlTest, StoppingMidWalkEndsItWithoutTheDoneReport) {
  Recorder recorder;
  std::unique_ptr<FilterThread> thread;
  thread = std::make_unique<FilterThread>(ImportList{m_dir / L"photos", m_dir / L"photos"},
                                          recorder.sink([&](FilterEvent event, size_t count) {
                                            if (event == FilterEvent::Progress && count == 20) thread->stop();
                                          }));
  ASSERT_TRUE(thread->start());
  thread->wait();
  EXPECT_EQ(thread->exitCode(), 1);
  EXPECT_GE(thread->acceptedCount(), 20u);
  EXPECT_LE(thread->acceptedCount(), 21u);
  const Events events = recorder.events();
  EXPECT_TRUE(std::none_of(events.begin(), events.end(), [](const auto& e) { return e.first == FilterEvent::Done; }));
}

TEST_F(FilterControlTest, StoppingWhilePausedEndsTheWalkAtOnce) {
  Recorder recorder;
  FilterThread thread({m_dir / L"photos"}, recorder.sink());
  thread.runPermission().reset();
  ASSERT_TRUE(thread.start());
  thread.stopAndWait();
  EXPECT_EQ(thread.acceptedCount(), 0u);
  EXPECT_EQ(thread.exitCode(), 1);
  // Only the closing count: the walk took no step.
  EXPECT_EQ(recorder.events(), (Events{{FilterEvent::Progress, 0}}));
}

}  // namespace
}  // namespace tavoro
