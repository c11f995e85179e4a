// What is worn: wears per month over the last year, and the items worn least
// with how long each has waited. Model thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "wardrobe/DateTime.h"

namespace tavoro {

class Collection;
class Item;
class Wardrobe;

struct MonthWears {
  int year = 0;
  int month = 0;  // 1..12
  size_t wears = 0;
};

struct ItemWearFigure {
  const Collection* collection = nullptr;
  const Item* item = nullptr;
  size_t wears = 0;
  Date lastWorn;  // null when never worn
  // Days from the last wear (or, never worn, from the day it was added) to
  // today; -1 when neither day is known.
  int32_t daysUnworn = -1;
};

// Twelve months, the oldest first, ending with today's month: the days items
// were worn in each (an item worn on a day counts once that day), up to
// today. Empty for a today that is not a valid date.
std::vector<MonthWears> wearsByMonth(const Wardrobe& wardrobe, Date today);

// At most count items, the least worn first; among equally worn ones, the
// one waiting longest first (unknown waits last), then in wardrobe order.
std::vector<ItemWearFigure> leastWorn(const Wardrobe& wardrobe, Date today, size_t count);

// The figure of one item (also for items found otherwise).
ItemWearFigure wearFigureOf(const Collection& collection, const Item& item, Date today);

}  // namespace tavoro
