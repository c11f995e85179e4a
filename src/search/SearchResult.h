// One item found by a search run, with the markup of its result row, filled
// when the row is first drawn. User-interface thread only, like the model.
#pragma once

#include <string>

namespace tavoro {

class Item;

struct SearchResult {
  Item* item = nullptr;  // owned by the wardrobe model
  std::wstring nameMarkup;
  std::wstring detailMarkup;
};

}  // namespace tavoro
