#include "CombinationJson.h"

#include "JsonOutput.h"

namespace tavoro::cli {

nlohmann::ordered_json wornJson(const WearDates& worn) {
  nlohmann::ordered_json days = nlohmann::ordered_json::array();
  for (const Date day : worn.days()) days.push_back(jsonText(day.toText()));
  return days;
}

nlohmann::ordered_json combinationJson(const Combination& combination) {
  nlohmann::ordered_json items = nlohmann::ordered_json::array();
  for (const Item* item : combination.items())
    items.push_back({{"collection", jsonText(item->owner()->collection()->name())}, {"item", jsonText(item->name())}});
  return {{"id", combination.id()},
          {"name", jsonText(combination.name())},
          {"created", jsonText(combination.created().date().toText())},
          {"items", std::move(items)},
          {"worn", wornJson(combination.worn())}};
}

nlohmann::ordered_json combinationsJson(const CombinationList& combinations) {
  nlohmann::ordered_json all = nlohmann::ordered_json::array();
  for (const auto& combination : combinations.combinations()) all.push_back(combinationJson(*combination));
  return all;
}

}  // namespace tavoro::cli
