#include "WearFigures.h"

#include <algorithm>

#include "ItemWearDays.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {

namespace {

int monthIndex(Date day) {
  int year = 0, month = 0, dayOfMonth = 0;
  day.parts(year, month, dayOfMonth);
  return year * 12 + (month - 1);
}

// The wardrobe's own order, to break ties the same way every time.
struct Ranked {
  ItemWearFigure figure;
  size_t order = 0;
};

bool lessWorn(const Ranked& a, const Ranked& b) {
  if (a.figure.wears != b.figure.wears) return a.figure.wears < b.figure.wears;
  const bool aKnown = a.figure.daysUnworn >= 0, bKnown = b.figure.daysUnworn >= 0;
  if (aKnown != bKnown) return aKnown;
  if (a.figure.daysUnworn != b.figure.daysUnworn) return a.figure.daysUnworn > b.figure.daysUnworn;
  return a.order < b.order;
}

}  // namespace

std::vector<MonthWears> wearsByMonth(const Wardrobe& wardrobe, Date today) {
  std::vector<MonthWears> months;
  if (!today.isValid()) return months;
  const int last = monthIndex(today);
  const int first = last - 11;
  for (int index = first; index <= last; ++index) months.push_back({index / 12, index % 12 + 1, 0});
  const Date from = Date::fromParts(first / 12, first % 12 + 1, 1);
  for (const auto& collection : wardrobe.collections().collections()) {
    for (const auto& item : collection->items().items()) {
      const std::span<const Date> days = wearDaysOf(*item);
      for (auto day = std::lower_bound(days.begin(), days.end(), from); day != days.end() && *day <= today; ++day)
        ++months[static_cast<size_t>(monthIndex(*day) - first)].wears;
    }
  }
  return months;
}

ItemWearFigure wearFigureOf(const Collection& collection, const Item& item, Date today) {
  ItemWearFigure figure;
  figure.collection = &collection;
  figure.item = &item;
  const std::span<const Date> days = wearDaysOf(item);
  figure.wears = days.size();
  if (!days.empty()) figure.lastWorn = days.back();
  const Date since = days.empty() ? item.dateAdded().date() : days.back();
  if (since.isValid() && today.isValid())
    figure.daysUnworn = std::max(0, today.dayNumber() - since.dayNumber());
  return figure;
}

std::vector<ItemWearFigure> leastWorn(const Wardrobe& wardrobe, Date today, size_t count) {
  std::vector<Ranked> ranked;
  for (const auto& collection : wardrobe.collections().collections())
    for (const auto& item : collection->items().items())
      ranked.push_back({wearFigureOf(*collection, *item, today), ranked.size()});
  const size_t kept = std::min(count, ranked.size());
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(kept), ranked.end(), lessWorn);
  std::vector<ItemWearFigure> figures;
  figures.reserve(kept);
  for (size_t i = 0; i < kept; ++i) figures.push_back(ranked[i].figure);
  return figures;
}

}  // namespace tavoro
