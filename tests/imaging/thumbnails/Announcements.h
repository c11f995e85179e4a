// What a worker thread announced through its sink, for tests: item ids in the
// order they came, and a bounded wait for the next ones.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace tavoro::test {

class Announcements {
 public:
  void add(int32_t id) {
    {
      std::lock_guard lock(m_mutex);
      m_ids.push_back(id);
    }
    m_changed.notify_all();
  }
  // True once at least count ids have come; false after ten seconds.
  bool waitFor(size_t count) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(10), [&] { return m_ids.size() >= count; });
  }
  std::vector<int32_t> ids() const {
    std::lock_guard lock(m_mutex);
    return m_ids;
  }
  size_t count() const {
    std::lock_guard lock(m_mutex);
    return m_ids.size();
  }

 private:
  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<int32_t> m_ids;
};

}  // namespace tavoro::test
