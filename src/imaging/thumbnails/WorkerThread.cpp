#include "WorkerThread.h"

#include <system_error>

namespace tavoro {

WorkerThread::~WorkerThread() {
  stopAndWait();
}

bool WorkerThread::start() {
  wait();
  if (!prepare()) return false;
  m_exitCode.store(kNoExitCode, std::memory_order_release);
  m_running.store(true, std::memory_order_release);
  try {
    m_thread = std::thread(&WorkerThread::threadMain, this);
  } catch (const std::system_error&) {
    m_running.store(false, std::memory_order_release);
    return false;
  }
  return true;
}

bool WorkerThread::prepare() {
  m_stopRequested.store(false, std::memory_order_release);
  return true;
}

bool WorkerThread::requestStop() {
  m_stopRequested.store(true, std::memory_order_release);
  return true;
}

void WorkerThread::stop() {
  // The flag before the permission, so that a paused thread sees it on waking.
  requestStop();
  m_runPermission.set();
}

void WorkerThread::wait() {
  if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id()) m_thread.join();
}

void WorkerThread::stopAndWait() {
  if (!m_thread.joinable()) return;
  stop();
  wait();
}

void WorkerThread::threadMain() {
  bool result = false;
  // An exception must not take the process down with it: the thread just
  // ends as a failed run.
  try {
    starting();
    result = run();
  } catch (...) {
    result = false;
  }
  try {
    finished(result);
  } catch (...) {
  }
  m_exitCode.store(result ? 0 : 1, std::memory_order_release);
  m_running.store(false, std::memory_order_release);
}

}  // namespace tavoro
