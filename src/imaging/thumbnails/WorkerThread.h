// The base of every background thread of the program: a stop flag, a run
// permission that pauses the thread between units of work, start and stop.
// start, wait and destruction belong to the owning thread; stop, requestStop,
// the run permission and the queries may be used from any thread.
#pragma once

#include <atomic>
#include <thread>

#include "ManualResetEvent.h"

namespace tavoro {

class WorkerThread {
 public:
  // exitCode() before the thread has ended.
  static constexpr int kNoExitCode = -1;

  WorkerThread() = default;
  // Stops the thread and waits for it. A derived class must call
  // stopAndWait() in its own destructor: by the time this one runs, the
  // derived part that run() uses is gone.
  virtual ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Waits for a thread of this object that is still running, calls prepare()
  // and starts a new thread that calls starting(), run() and finished().
  // False when prepare() refuses or no thread can be made.
  bool start();
  // Clears the stop flag; false refuses the start.
  virtual bool prepare();
  // Sets the stop flag; run() notices it at its next check.
  virtual bool requestStop();
  bool stopRequested() const { return m_stopRequested.load(std::memory_order_acquire); }
  // Lets a paused thread go on and asks it to stop.
  virtual void stop();
  // Blocks until the thread has ended; returns at once without a thread.
  void wait();
  // stop() and wait().
  void stopAndWait();

  // True from start() until run() and finished() have returned.
  bool isRunning() const { return m_running.load(std::memory_order_acquire); }
  // 0 when the last run() returned true, 1 when it returned false or threw.
  int exitCode() const { return m_exitCode.load(std::memory_order_acquire); }

  // Set: the thread runs. Reset: the thread blocks at its next
  // waitForPermission() until it is set again. Created set.
  ManualResetEvent& runPermission() { return m_runPermission; }

 protected:
  virtual void starting() {}
  virtual bool run() = 0;
  // Called on the thread with run()'s result (false when run() threw).
  virtual void finished(bool /*result*/) {}
  void waitForPermission() const { m_runPermission.wait(); }

 private:
  void threadMain();

  std::thread m_thread;
  std::atomic<bool> m_stopRequested{false};
  std::atomic<bool> m_running{false};
  std::atomic<int> m_exitCode{kNoExitCode};
  ManualResetEvent m_runPermission{true};
};

}  // namespace tavoro
