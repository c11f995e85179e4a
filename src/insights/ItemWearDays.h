// Where the figures read the days an item was worn: the one place that asks
// the model. Model thread only.
#pragma once

#include <span>

#include "wardrobe/DateTime.h"

namespace tavoro {

class Item;

// Every day the item was worn, earliest first, each once.
std::span<const Date> wearDaysOf(const Item& item);

}  // namespace tavoro
