#include "CostPerWear.h"

#include "ItemWearDays.h"
#include "PriceText.h"
#include "platform/CharClass.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {

namespace {

const Tag* priceTagOf(const Collection& collection) {
  for (const auto& tag : collection.tags().tags())
    if (tag->key() == L"price" || tag->key() == L"cost") return tag.get();
  return nullptr;
}

}  // namespace

std::optional<int64_t> PricedItem::costPerWearCents() const {
  if (wears == 0) return std::nullopt;
  const auto divisor = static_cast<int64_t>(wears);
  return (priceCents + divisor / 2) / divisor;
}

CostFigures costPerWear(const Wardrobe& wardrobe) {
  CostFigures figures;
  for (const auto& collection : wardrobe.collections().collections()) {
    const Tag* tag = priceTagOf(*collection);
    if (!tag) continue;
    for (const auto& item : collection->items().items()) {
      const Record* record = item->records().find(tag->id());
      if (!record || trimSpace(record->value()).empty()) continue;
      int64_t cents = 0;
      if (!parsePrice(record->value(), cents)) {
        figures.notAPrice.push_back({collection.get(), item.get(), record->value()});
        continue;
      }
      const size_t wears = wearDaysOf(*item).size();
      figures.items.push_back({collection.get(), item.get(), cents, wears});
      figures.totalCents += cents;
      figures.totalWears += wears;
    }
  }
  return figures;
}

}  // namespace tavoro
