// An event that stays set until it is reset: waiters pass while it is set and
// block while it is reset. Used as the run permission of worker threads.
// Thread-safe.
#pragma once

#include <condition_variable>
#include <mutex>

namespace tavoro {

class ManualResetEvent {
 public:
  explicit ManualResetEvent(bool initiallySet = true) : m_set(initiallySet) {}
  ManualResetEvent(const ManualResetEvent&) = delete;
  ManualResetEvent& operator=(const ManualResetEvent&) = delete;

  // Lets every waiter go, now and until the next reset.
  void set();
  void reset();
  bool isSet() const;
  // Returns at once while the event is set; otherwise blocks until it is.
  void wait() const;

 private:
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  bool m_set;
};

}  // namespace tavoro
