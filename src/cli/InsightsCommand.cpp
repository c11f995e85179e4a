// tavoro-cli insights: the figures of the insights view as one JSON object.
#include <cstdio>
#include <memory>

#include "Commands.h"
#include "JsonOutput.h"
#include "WardrobeInput.h"
#include "insights/WardrobeInsights.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro::cli {

namespace {

using Json = nlohmann::ordered_json;

Json dayJson(Date day) {
  int year = 0, month = 0, dayOfMonth = 0;
  if (!day.isValid()) return nullptr;
  day.parts(year, month, dayOfMonth);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, dayOfMonth);
  return text;
}

Json monthJson(const MonthWears& month) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d", month.year, month.month);
  return {{"month", text}, {"wears", month.wears}};
}

double amount(int64_t cents) { return static_cast<double>(cents) / 100.0; }

Json costJson(const CostFigures& cost) {
  Json items = Json::array();
  for (const PricedItem& priced : cost.items) {
    const std::optional<int64_t> perWear = priced.costPerWearCents();
    items.push_back({{"collection", jsonText(priced.collection->name())},
                     {"item", jsonText(priced.item->name())},
                     {"price", amount(priced.priceCents)},
                     {"wears", priced.wears},
                     {"cost_per_wear", perWear ? Json(amount(*perWear)) : Json(nullptr)}});
  }
  Json refused = Json::array();
  for (const UnreadablePrice& value : cost.notAPrice)
    refused.push_back({{"collection", jsonText(value.collection->name())},
                       {"item", jsonText(value.item->name())},
                       {"value", jsonText(value.value)}});
  return {{"total_price", amount(cost.totalCents)}, {"items", std::move(items)}, {"not_a_price", std::move(refused)}};
}

Json insightsJson(const WardrobeInsights& insights) {
  Json document;
  document["items"] = insights.items;
  Json collections = Json::array();
  for (const CollectionCount& count : insights.collections)
    collections.push_back({{"name", jsonText(count.collection->name())}, {"items", count.items}});
  document["collections"] = std::move(collections);
  if (insights.tag) {
    Json values = Json::array();
    for (const ValueCount& value : insights.tag->values)
      values.push_back({{"value", jsonText(value.value)}, {"items", value.items}});
    document["tag"] = {{"name", jsonText(insights.tag->name)}, {"values", std::move(values)}};
  }
  Json months = Json::array();
  for (const MonthWears& month : insights.wearsByMonth) months.push_back(monthJson(month));
  document["wears_by_month"] = std::move(months);
  Json least = Json::array();
  for (const ItemWearFigure& figure : insights.leastWorn)
    least.push_back({{"collection", jsonText(figure.collection->name())},
                     {"item", jsonText(figure.item->name())},
                     {"wears", figure.wears},
                     {"last_worn", dayJson(figure.lastWorn)}});
  document["least_worn"] = std::move(least);
  document["cost_per_wear"] = costJson(insights.cost);
  return document;
}

int insights(const std::string& argument, const std::string& tag) {
  Wardrobe wardrobe;
  if (!readWardrobeArgument(argumentPath(argument), wardrobe)) return kFileError;
  InsightsRequest request;
  request.today = Date::today();
  request.tagName = fromUtf8(tag);
  printJson(insightsJson(computeInsights(wardrobe, request)));
  return kSuccess;
}

}  // namespace

void registerInsightsCommand(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "insights",
      "Print what the wardrobe holds, what is worn and what each wear cost as JSON: items per collection, items "
      "per value of a tag (--tag), wears per month over the last twelve months, the least worn items, and the "
      "cost per wear of items priced by a tag named Price or Cost.");
  auto file = std::make_shared<std::string>();
  auto tag = std::make_shared<std::string>();
  command->add_option("FILE", *file, "the wardrobe file (.twd)")->required();
  command->add_option("--tag", *tag, "a tag name (matched without regard to case in every collection)");
  command->callback([file, tag, &exitStatus] { exitStatus = insights(*file, *tag); });
}

}  // namespace tavoro::cli
