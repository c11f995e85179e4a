#include "ExportProgress.h"

#include <utility>

namespace tavoro {

ProgressReporter::ProgressReporter(ProgressCallback callback, uint64_t total)
    : m_callback(std::move(callback)), m_total(total) {}

bool ProgressReporter::report(uint64_t done) {
  if (m_stopped) return false;
  m_done = done < m_total ? done : m_total;
  if (m_callback && !m_callback(m_done, m_total)) m_stopped = true;
  return !m_stopped;
}

}  // namespace tavoro
