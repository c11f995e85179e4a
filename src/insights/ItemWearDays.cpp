#include "ItemWearDays.h"

#include "wardrobe/Item.h"

namespace tavoro {

// The days the item was worn, alone or in a combination, earliest first.
std::span<const Date> wearDaysOf(const Item& item) { return item.worn().days(); }

}  // namespace tavoro
