// Every figure of the insights at once, as the window, tavoro-cli and the
// benchmark take them: what there is, what is worn, what it cost per wear.
// Model thread only; the result holds pointers into the model, valid until
// it next changes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "CostPerWear.h"
#include "TagValueCounts.h"
#include "WearFigures.h"
#include "wardrobe/DateTime.h"

namespace tavoro {

class Collection;

struct CollectionCount {
  const Collection* collection = nullptr;
  size_t items = 0;
};

struct InsightsRequest {
  Date today;              // the day "the last twelve months" and "not worn for" count to
  std::wstring tagName;    // the tag whose values are counted; none when empty
  size_t leastWorn = 20;   // how many least worn items to list
};

struct WardrobeInsights {
  size_t items = 0;
  size_t neverWorn = 0;
  std::vector<CollectionCount> collections;  // every collection, in the user's order
  std::optional<TagValueCounts> tag;         // with a tag name only
  std::vector<MonthWears> wearsByMonth;
  std::vector<ItemWearFigure> leastWorn;
  CostFigures cost;
};

WardrobeInsights computeInsights(const Wardrobe& wardrobe, const InsightsRequest& request);

}  // namespace tavoro
