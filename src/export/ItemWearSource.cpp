#include "ItemWearSource.h"

#include "wardrobe/Item.h"

namespace tavoro {

// How often: the days the item was worn (a day counts once, whether it was
// worn alone or in one or more combinations); when last: the latest of them.
ItemWear wearOf(const Item& item) {
  ItemWear wear;
  const WearDates& worn = item.worn();
  wear.count = static_cast<int>(worn.count());
  if (!worn.empty()) wear.lastWorn = DateTime(worn.last(), Time());
  return wear;
}

}  // namespace tavoro
