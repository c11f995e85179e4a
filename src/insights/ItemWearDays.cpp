#include "ItemWearDays.h"

#include "wardrobe/Item.h"

namespace tavoro {

// The model keeps no wear dates yet: every item reads as never worn.
std::span<const Date> wearDaysOf(const Item&) { return {}; }

}  // namespace tavoro
