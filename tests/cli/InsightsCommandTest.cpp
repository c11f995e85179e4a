// tavoro-cli insights as scripts rely on it: one JSON object of a fixed shape.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "TempDir.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

using nlohmann::json;
using test::CliRun;
using test::runCli;

std::string monthText(int index) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d", index / 12, index % 12 + 1);
  return text;
}

std::string dayText(Date day) { return toUtf8(day.toText()); }

class InsightsCommandTest : public ::testing::Test {
 protected:
  InsightsCommandTest() {
    Wardrobe wardrobe(dir.path(), L"Mine");
    const auto addItem = [&](Collection* collection, const std::wstring& name,
                             std::vector<std::pair<int32_t, std::wstring>> records, int daysAgo) {
      Item* item = collection->items().add(name, collection->items().nextId());
      collection->items().setNextId(item->id() + 1);
      item->setDateAdded(DateTime(Date(today.dayNumber() - daysAgo), Time()));
      for (auto& [tagId, value] : records) item->records().set(tagId, value);
      return item;
    };
    Collection* tops = wardrobe.collections().add(L"Tops");
    tops->tags().add(L"Colour");
    tops->tags().add(L"Price");
    addItem(tops, L"Red Shirt", {{1001, L"Red"}, {1002, L"\u20AC 12,50"}}, 30);
    addItem(tops, L"Navy Shirt", {{1001, L" red "}, {1002, L"twelve"}}, 300);
    Collection* shoes = wardrobe.collections().add(L"Shoes");
    shoes->tags().add(L"colour");
    shoes->tags().add(L"COST");
    Item* boots = addItem(shoes, L"Boots", {{1001, L"Brown"}, {1002, L"80 EUR"}}, 5);
    // Worn today and three days ago: 40 a wear.
    boots->worn().add(today);
    boots->worn().add(Date(today.dayNumber() - 3));
    wardrobe.collections().add(L"Empty");
    EXPECT_TRUE(writeWardrobe(wardrobe));
    file = toUtf8(wardrobe.wardrobeFilePath());
  }

  test::TempDir dir;
  Date today = Date::today();
  std::string file;
};

TEST_F(InsightsCommandTest, PrintsEveryFigureInTheDocumentedShape) {
  const CliRun run = runCli({"insights", file, "--tag", "COLOUR"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json out = json::parse(run.out);
  std::vector<std::string> keys;
  const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(run.out);
  for (const auto& entry : ordered.items()) keys.push_back(entry.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"items", "collections", "tag", "wears_by_month", "least_worn",
                                            "cost_per_wear"}));
  EXPECT_EQ(out["items"], 3);
  EXPECT_EQ(out["collections"], json::parse(R"([{"name": "Tops", "items": 2}, {"name": "Shoes", "items": 1},
                                                {"name": "Empty", "items": 0}])"));
  EXPECT_EQ(out["tag"], json::parse(R"({"name": "Colour", "values": [{"value": "Red", "items": 2},
                                                                      {"value": "Brown", "items": 1}]})"));
  // On a tie the first spelling met wins: "Red" before "red".
  EXPECT_EQ(out["tag"]["values"][0]["value"], "Red");

  ASSERT_EQ(out["wears_by_month"].size(), 12u);
  int year = 0, month = 0, day = 0;
  today.parts(year, month, day);
  const int last = year * 12 + month - 1;
  size_t wears = 0;
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(out["wears_by_month"][i]["month"], monthText(last - 11 + i));
    wears += out["wears_by_month"][i]["wears"].get<size_t>();
  }
  EXPECT_EQ(wears, 2u);
  EXPECT_EQ(out["wears_by_month"][11]["wears"], day > 3 ? 2 : 1);

  EXPECT_EQ(out["least_worn"], json::parse(R"([
      {"collection": "Tops", "item": "Navy Shirt", "wears": 0, "last_worn": null},
      {"collection": "Tops", "item": "Red Shirt", "wears": 0, "last_worn": null},
      {"collection": "Shoes", "item": "Boots", "wears": 2, "last_worn": ")" + dayText(today) + R"("}])"));
  EXPECT_EQ(out["cost_per_wear"], json::parse(R"({"total_price": 92.5, "items": [
      {"collection": "Tops", "item": "Red Shirt", "price": 12.5, "wears": 0, "cost_per_wear": null},
      {"collection": "Shoes", "item": "Boots", "price": 80.0, "wears": 2, "cost_per_wear": 40.0}],
    "not_a_price": [{"collection": "Tops", "item": "Navy Shirt", "value": "twelve"}]})"));
}

TEST_F(InsightsCommandTest, LeavesTheTagOutWithoutOneAndFailsOnAMissingFile) {
  CliRun run = runCli({"insights", file});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(json::parse(run.out).contains("tag"));
  run = runCli({"insights", file + ".missing"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(file + ".missing"), std::string::npos) << run.err;
  EXPECT_EQ(runCli({"insights"}).status, 2);
}

}  // namespace
}  // namespace tavoro
