// The figures of the insights on small made-up wardrobes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "insights/WardrobeInsights.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"

namespace tavoro {
namespace {

// A collection with tags and items given as rows of values.
Collection* addCollection(Wardrobe& wardrobe, const std::wstring& name, const std::vector<std::wstring>& tags,
                          const std::vector<std::vector<std::wstring>>& rows) {
  Collection* collection = wardrobe.collections().add(name);
  std::vector<int32_t> tagIds;
  for (const auto& tag : tags) tagIds.push_back(collection->tags().add(tag)->id());
  int32_t id = 1;
  for (const auto& row : rows) {
    Item* item = collection->items().add(name + L" " + std::to_wstring(id), id);
    ++id;
    for (size_t i = 0; i < row.size(); ++i) item->records().set(tagIds[i], row[i]);
  }
  return collection;
}

std::vector<std::pair<std::string, size_t>> valuesOf(const TagValueCounts& counts) {
  std::vector<std::pair<std::string, size_t>> values;
  for (const auto& value : counts.values) values.emplace_back(toUtf8(value.value), value.items);
  return values;
}

TEST(InsightsTest, CountsItemsPerCollectionInTheUsersOrder) {
  Wardrobe wardrobe;
  addCollection(wardrobe, L"Tops", {}, {{}, {}, {}});
  addCollection(wardrobe, L"Empty", {}, {});
  addCollection(wardrobe, L"Shoes", {}, {{}});
  const WardrobeInsights insights = computeInsights(wardrobe, {});
  EXPECT_EQ(insights.items, 4u);
  ASSERT_EQ(insights.collections.size(), 3u);
  EXPECT_EQ(insights.collections[0].collection->name(), L"Tops");
  EXPECT_EQ(insights.collections[0].items, 3u);
  EXPECT_EQ(insights.collections[1].items, 0u);
  EXPECT_EQ(insights.collections[2].items, 1u);
  EXPECT_FALSE(insights.tag.has_value());
}

TEST(InsightsTest, GroupsTagValuesAcrossCollectionsIgnoringCaseAndBlanks) {
  Wardrobe wardrobe;
  addCollection(wardrobe, L"Tops", {L"Size", L"Colour"},
                {{L"M", L"Red"}, {L"S", L" red "}, {L"M", L"Blue"}, {L"M", L""}, {L"L", L"   "}});
  addCollection(wardrobe, L"Shoes", {L"COLOUR"}, {{L"RED"}, {L"red"}, {L"blue"}, {L"Green"}});
  addCollection(wardrobe, L"Bags", {L"Material"}, {{L"Red"}});
  const TagValueCounts counts = countTagValues(wardrobe, L"colour");
  EXPECT_EQ(counts.name, L"Colour");
  // red: "Red" once, "red" twice after trimming, "RED" once; blue and Blue tie and the first met wins.
  const std::vector<std::pair<std::string, size_t>> expected = {{"red", 4}, {"Blue", 2}, {"Green", 1}};
  EXPECT_EQ(valuesOf(counts), expected);

  const TagValueCounts none = countTagValues(wardrobe, L"Fabric");
  EXPECT_EQ(none.name, L"Fabric");
  EXPECT_TRUE(none.values.empty());
  InsightsRequest request;
  request.tagName = L"Size";
  const WardrobeInsights insights = computeInsights(wardrobe, request);
  ASSERT_TRUE(insights.tag.has_value());
  const std::vector<std::pair<std::string, size_t>> sizes = {{"M", 3}, {"L", 1}, {"S", 1}};
  EXPECT_EQ(valuesOf(*insights.tag), sizes);
}

TEST(InsightsTest, PricesComeFromAPriceOrCostTagAndBadValuesAreListedApart) {
  Wardrobe wardrobe;
  addCollection(wardrobe, L"Tops", {L"Colour", L"price"}, {{L"Red", L"12"}, {L"Blue", L"\u20AC 12,50"}, {L"Blue", L""}});
  addCollection(wardrobe, L"Shoes", {L"COST "}, {{L"twelve"}, {L"80 EUR"}});
  addCollection(wardrobe, L"Hats", {L"Prices"}, {{L"5"}});
  const CostFigures cost = costPerWear(wardrobe);
  ASSERT_EQ(cost.items.size(), 3u);
  EXPECT_EQ(cost.items[0].item->name(), L"Tops 1");
  EXPECT_EQ(cost.items[0].priceCents, 1200);
  EXPECT_EQ(cost.items[1].priceCents, 1250);
  EXPECT_EQ(cost.items[2].item->name(), L"Shoes 2");
  EXPECT_EQ(cost.totalCents, 1200 + 1250 + 8000);
  EXPECT_FALSE(cost.items[0].costPerWearCents().has_value());
  ASSERT_EQ(cost.notAPrice.size(), 1u);
  EXPECT_EQ(cost.notAPrice[0].item->name(), L"Shoes 1");
  EXPECT_EQ(cost.notAPrice[0].value, L"twelve");
}

TEST(InsightsTest, CostPerWearRoundsToTheCent) {
  for (const auto& [cents, wears, expected] : {std::tuple{1000, 3, 333}, {1000, 6, 167}, {1250, 1, 1250}, {0, 4, 0}}) {
    PricedItem priced;
    priced.priceCents = cents;
    priced.wears = static_cast<size_t>(wears);
    EXPECT_EQ(priced.costPerWearCents(), expected) << cents << " / " << wears;
  }
}

TEST(InsightsTest, NeverWornItemsWaitSinceTheyWereAdded) {
  Wardrobe wardrobe;
  Collection* tops = addCollection(wardrobe, L"Tops", {}, {{}, {}, {}});
  const Date today = Date::fromParts(2026, 12, 7);
  tops->items().at(0)->setDateAdded(DateTime(Date(today.dayNumber() - 10), Time()));
  tops->items().at(1)->setDateAdded(DateTime(Date(today.dayNumber() - 400), Time()));
  // The third has no date added: its wait is unknown and it comes last.
  const std::vector<ItemWearFigure> least = leastWorn(wardrobe, today, 10);
  ASSERT_EQ(least.size(), 3u);
  EXPECT_EQ(least[0].item->name(), L"Tops 2");
  EXPECT_EQ(least[0].daysUnworn, 400);
  EXPECT_TRUE(least[0].lastWorn.isNull());
  EXPECT_EQ(least[1].daysUnworn, 10);
  EXPECT_EQ(least[2].daysUnworn, -1);
  EXPECT_EQ(leastWorn(wardrobe, today, 1).size(), 1u);
}

TEST(InsightsTest, WearDecidesTheLeastWornAndTheCostPerWear) {
  Wardrobe wardrobe;
  Collection* tops = addCollection(wardrobe, L"Tops", {L"Price"}, {{L"30"}, {L"10"}, {L"5"}});
  const Date today = Date::fromParts(2026, 12, 7);
  const auto wear = [&](size_t item, std::initializer_list<int> daysAgo) {
    for (int days : daysAgo) tops->items().at(item)->worn().add(Date(today.dayNumber() - days));
  };
  wear(0, {1, 40, 100});
  wear(1, {60});
  wear(2, {5});
  const std::vector<ItemWearFigure> least = leastWorn(wardrobe, today, 3);
  ASSERT_EQ(least.size(), 3u);
  // One wear each: the one worn longest ago first.
  EXPECT_EQ(least[0].item->name(), L"Tops 2");
  EXPECT_EQ(least[0].daysUnworn, 60);
  EXPECT_EQ(least[0].lastWorn, Date(today.dayNumber() - 60));
  EXPECT_EQ(least[1].item->name(), L"Tops 3");
  EXPECT_EQ(least[2].wears, 3u);
  EXPECT_EQ(least[2].daysUnworn, 1);

  const CostFigures cost = costPerWear(wardrobe);
  ASSERT_EQ(cost.items.size(), 3u);
  EXPECT_EQ(cost.items[0].costPerWearCents(), 1000);
  EXPECT_EQ(cost.items[1].costPerWearCents(), 1000);
  EXPECT_EQ(cost.items[2].costPerWearCents(), 500);
  EXPECT_EQ(cost.totalWears, 5u);
  EXPECT_EQ(computeInsights(wardrobe, {today, L"", 20}).neverWorn, 0u);
}

TEST(InsightsTest, WearsByMonthCoverTheTwelveMonthsEndingToday) {
  Wardrobe wardrobe;
  const std::vector<MonthWears> months = wearsByMonth(wardrobe, Date::fromParts(2026, 3, 15));
  ASSERT_EQ(months.size(), 12u);
  EXPECT_EQ(months.front().year, 2025);
  EXPECT_EQ(months.front().month, 4);
  EXPECT_EQ(months.back().year, 2026);
  EXPECT_EQ(months.back().month, 3);
  EXPECT_TRUE(wearsByMonth(wardrobe, Date()).empty());

  Item* item = addCollection(wardrobe, L"Tops", {}, {{}})->items().at(0);
  // Before the window, its first and last days, after today: only those inside count.
  for (const Date day : {Date::fromParts(2025, 3, 31), Date::fromParts(2025, 4, 1), Date::fromParts(2025, 4, 30),
                         Date::fromParts(2026, 3, 1), Date::fromParts(2026, 3, 15), Date::fromParts(2026, 3, 16)})
    item->worn().add(day);
  const std::vector<MonthWears> worn = wearsByMonth(wardrobe, Date::fromParts(2026, 3, 15));
  EXPECT_EQ(worn.front().wears, 2u);
  EXPECT_EQ(worn[1].wears, 0u);
  EXPECT_EQ(worn.back().wears, 2u);
}

}  // namespace
}  // namespace tavoro
