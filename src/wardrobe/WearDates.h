// The days something was worn (an item, or a combination of items), each day
// once, in calendar order. Most items are never worn, so an empty log is one
// null pointer. User-interface thread only, like the whole model.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "DateTime.h"

namespace tavoro {

class WearDates {
 public:
  WearDates() = default;
  WearDates(const WearDates&) = delete;
  WearDates& operator=(const WearDates&) = delete;

  bool empty() const { return !m_days || m_days->empty(); }
  size_t count() const { return m_days ? m_days->size() : 0; }
  // Every day, earliest first.
  const std::vector<Date>& days() const;
  // The earliest and the latest day; the null date when there is none.
  Date first() const { return empty() ? Date() : m_days->front(); }
  Date last() const { return empty() ? Date() : m_days->back(); }
  bool contains(Date day) const;
  // How many days lie from `from` to `to`, both included.
  size_t countBetween(Date from, Date to) const;

  // False, changing nothing, for a day that is not storable (see
  // Date::isStorable) or is there already.
  bool add(Date day);
  // False when the day is not there.
  bool remove(Date day);
  // The storable days of days, sorted, each once.
  void assign(std::vector<Date> days);
  void clear() { m_days.reset(); }

 private:
  std::unique_ptr<std::vector<Date>> m_days;
};

}  // namespace tavoro
