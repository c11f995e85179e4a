#include "WardrobeInsights.h"

#include "ItemWearDays.h"
#include "platform/CharClass.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {

WardrobeInsights computeInsights(const Wardrobe& wardrobe, const InsightsRequest& request) {
  WardrobeInsights insights;
  for (const auto& collection : wardrobe.collections().collections()) {
    const size_t count = collection->items().count();
    insights.collections.push_back({collection.get(), count});
    insights.items += count;
    for (const auto& item : collection->items().items())
      if (wearDaysOf(*item).empty()) ++insights.neverWorn;
  }
  if (!trimSpace(request.tagName).empty()) insights.tag = countTagValues(wardrobe, request.tagName);
  insights.wearsByMonth = wearsByMonth(wardrobe, request.today);
  insights.leastWorn = leastWorn(wardrobe, request.today, request.leastWorn);
  insights.cost = costPerWear(wardrobe);
  return insights;
}

}  // namespace tavoro
