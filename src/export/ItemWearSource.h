// Where an export learns how often an item was worn and when last: the one
// place to read it from the model. Model thread only.
#pragma once

#include "WardrobeSnapshot.h"

namespace tavoro {

class Item;

ItemWear wearOf(const Item& item);

}  // namespace tavoro
