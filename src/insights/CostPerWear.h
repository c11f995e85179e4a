// What each wear cost: items priced by a tag named "Price" or "Cost", their
// price divided by their wears, the wardrobe's total, and the values that are
// not a price. Model thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavoro {

class Collection;
class Item;
class Wardrobe;

struct PricedItem {
  const Collection* collection = nullptr;
  const Item* item = nullptr;
  int64_t priceCents = 0;
  size_t wears = 0;
  // The price divided by the wears, rounded to the cent; none when never worn.
  std::optional<int64_t> costPerWearCents() const;
};

struct UnreadablePrice {
  const Collection* collection = nullptr;
  const Item* item = nullptr;
  std::wstring value;
};

struct CostFigures {
  int64_t totalCents = 0;  // of every priced item
  size_t totalWears = 0;   // of every priced item
  std::vector<PricedItem> items;
  std::vector<UnreadablePrice> notAPrice;
};

// Every item with a value in its collection's first tag named "Price" or
// "Cost" (without regard to case or white space; a blank value counts as
// none), in wardrobe order. A value parsePrice refuses is listed in
// notAPrice, never guessed.
CostFigures costPerWear(const Wardrobe& wardrobe);

}  // namespace tavoro
