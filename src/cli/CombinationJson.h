// Combinations and wear dates as tavoro-cli prints them (combination list,
// dump): {"id", "name", "created", "items": [{"collection", "item"}],
// "worn": ["YYYY-MM-DD", ...]}, items by name, days earliest first.
#pragma once

#include <nlohmann/json.hpp>

#include "wardrobe/Wardrobe.h"

namespace tavoro::cli {

nlohmann::ordered_json wornJson(const WearDates& worn);
nlohmann::ordered_json combinationJson(const Combination& combination);
nlohmann::ordered_json combinationsJson(const CombinationList& combinations);

}  // namespace tavoro::cli
