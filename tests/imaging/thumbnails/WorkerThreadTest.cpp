#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "imaging/thumbnails/WorkerThread.h"

namespace tavoro {
namespace {

// Records the calls the thread makes, and does what the test tells it to.
class ScriptedThread final : public WorkerThread {
 public:
  enum class Mode { ReturnTrue, ReturnFalse, Throw, LoopUntilStopped, WaitForPermissionOnce };
  explicit ScriptedThread(Mode mode) : m_mode(mode) {}
  ~ScriptedThread() override { stopAndWait(); }

  std::string calls() const {
    std::lock_guard lock(m_mutex);
    return m_calls;
  }
  std::atomic<int> loops{0};

 protected:
  void starting() override { note("starting "); }
  bool run() override {
    note("run ");
    switch (m_mode) {
      case Mode::ReturnTrue:
        return true;
      case Mode::ReturnFalse:
        return false;
      case Mode::Throw:
        throw std::runtime_error("err");
      case Mode::LoopUntilStopped:
        while (!stopRequested()) {
          waitForPermission();
          ++loops;
          std::this_thread::yield();
        }
        return false;
      case Mode::WaitForPermissionOnce:
        waitForPermission();
        return !stopRequested();
    }
    return false;
  }
  void finished(bool result) override { note(result ? "finished(1)" : "finished(0)"); }

 private:
  void note(const char* text) {
    std::lock_guard lock(m_mutex);
    m_calls += text;
  }
  Mode m_mode;
  mutable std::mutex m_mutex;
  std::string m_calls;
};

TEST(WorkerThreadTest, RunsTheHooksInOrderAndKeepsTheExitCode) {
  struct Case {
    ScriptedThread::Mode mode;
    const char* calls;
    int exitCode;
  };
  const Case cases[] = {
      {ScriptedThread::Mode::ReturnTrue, "starting run finished(1)", 0},
      {ScriptedThread::Mode::ReturnFalse, "starting run finished(0)", 1},
      // An exception ends the thread as a failed run; the process lives on.
      {ScriptedThread::Mode::Throw, "starting run finished(0)", 1},
  };
  for (const Case& c : cases) {
    ScriptedThread thread(c.mode);
    EXPECT_EQ(thread.exitCode(), WorkerThread::kNoExitCode);
    ASSERT_TRUE(thread.start());
    thread.wait();
    EXPECT_FALSE(thread.isRunning());
    EXPECT_EQ(thread.calls(), c.calls);
    EXPECT_EQ(thread.exitCode(), c.exitCode) << c.calls;
  }
}

TEST(WorkerThreadTest, StopWakesAPausedThreadSoDestructionNeverHangs) {
  ScriptedThread thread(ScriptedThread::Mode::WaitForPermissionOnce);
  thread.runPermission().reset();
  ASSERT_TRUE(thread.start());
  EXPECT_TRUE(thread.isRunning());
  thread.stopAndWait();
  EXPECT_EQ(thread.exitCode(), 1);  // it saw the stop flag after waking
  EXPECT_TRUE(thread.runPermission().isSet());
}

TEST(WorkerThreadTest, PauseHoldsTheThreadUntilThePermissionReturns) {
  ScriptedThread thread(ScriptedThread::Mode::LoopUntilStopped);
  ASSERT_TRUE(thread.start());
  while (thread.loops.load() < 3) std::this_thread::yield();
  thread.runPermission().reset();
  // At most the unit of work in progress completes after the reset.
  const int atReset = thread.loops.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const int paused = thread.loops.load();
  EXPECT_LE(paused, atReset + 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(thread.loops.load(), paused);
  thread.runPermission().set();
  while (thread.loops.load() < paused + 3) std::this_thread::yield();
  thread.stopAndWait();
  EXPECT_FALSE(thread.isRunning());
}

TEST(WorkerThreadTest, StartsAgainWithTheStopFlagCleared) {
  ScriptedThread thread(ScriptedThread::Mode::LoopUntilStopped);
  ASSERT_TRUE(thread.start());
  thread.stopAndWait();
  EXPECT_TRUE(thread.stopRequested());
  const int firstRun = thread.loops.load();
  ASSERT_TRUE(thread.start());  // prepare() clears the flag
  while (thread.loops.load() == firstRun) std::this_thread::yield();
  EXPECT_TRUE(thread.isRunning());
  // Destroying the object while it runs stops it and waits for it.
}

TEST(WorkerThreadTest, DestroyingARunningThreadStopsAndJoinsIt) {
  auto thread = std::make_unique<ScriptedThread>(ScriptedThread::Mode::LoopUntilStopped);
  ASSERT_TRUE(thread->start());
  while (thread->loops.load() == 0) std::this_thread::yield();
  thread->runPermission().reset();
  thread.reset();  // must return: the stop also lifts the pause
  SUCCEED();
}

}  // namespace
}  // namespace tavoro
