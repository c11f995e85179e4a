#include "ManualResetEvent.h"

namespace tavoro {

void ManualResetEvent::set() {
  {
    std::lock_guard lock(m_mutex);
    m_set = true;
  }
  m_changed.notify_all();
}

void ManualResetEvent::reset() {
  std::lock_guard lock(m_mutex);
  m_set = false;
}

bool ManualResetEvent::isSet() const {
  std::lock_guard lock(m_mutex);
  return m_set;
}

void ManualResetEvent::wait() const {
  std::unique_lock lock(m_mutex);
  m_changed.wait(lock, [this] { return m_set; });
}

}  // namespace tavoro
