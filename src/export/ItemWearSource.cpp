#include "ItemWearSource.h"

#include "wardrobe/Item.h"

namespace tavoro {

// The model keeps no wear dates yet: every item counts as never worn, and the
// exports show 0 and no date. Once the model records them, they are read here.
ItemWear wearOf(const Item&) { return {}; }

}  // namespace tavoro
