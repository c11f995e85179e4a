#include "WearDates.h"

#include <algorithm>

namespace tavoro {

const std::vector<Date>& WearDates::days() const {
  static const std::vector<Date> kNone;
  return m_days ? *m_days : kNone;
}

bool WearDates::contains(Date day) const {
  return m_days && std::binary_search(m_days->begin(), m_days->end(), day);
}

size_t WearDates::countBetween(Date from, Date to) const {
  if (!m_days || to < from) return 0;
  const auto begin = std::lower_bound(m_days->begin(), m_days->end(), from);
  const auto end = std::upper_bound(begin, m_days->end(), to);
  return static_cast<size_t>(end - begin);
}

bool WearDates::add(Date day) {
  if (!day.isStorable()) return false;
  if (!m_days) m_days = std::make_unique<std::vector<Date>>();
  const auto at = std::lower_bound(m_days->begin(), m_days->end(), day);
  if (at != m_days->end() && *at == day) return false;
  m_days->insert(at, day);
  return true;
}

bool WearDates::remove(Date day) {
  if (!m_days) return false;
  const auto at = std::lower_bound(m_days->begin(), m_days->end(), day);
  if (at == m_days->end() || *at != day) return false;
  m_days->erase(at);
  if (m_days->empty()) m_days.reset();
  return true;
}

void WearDates::assign(std::vector<Date> days) {
  std::erase_if(days, [](Date day) { return !day.isStorable(); });
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
  if (days.empty()) {
    m_days.reset();
    return;
  }
  days.shrink_to_fit();
  m_days = std::make_unique<std::vector<Date>>(std::move(days));
}

}  // namespace tavoro
