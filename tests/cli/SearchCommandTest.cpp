#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "platform/Utf8.h"
#include "wardrobe/Wardrobe.h"
#include "wardrobe/WardrobeFile.h"

namespace tavoro {
namespace {

using nlohmann::json;
using test::CliRun;
using test::runCli;

class SearchCommandTest : public ::testing::Test {
 protected:
  SearchCommandTest() {
    Wardrobe wardrobe(dir.path(), L"Mine");
    const DateTime added(Date::fromParts(2024, 5, 1), Time::fromParts(10, 0, 0, 0));
    const auto addItem = [&](Collection* collection, const std::wstring& name,
                             std::vector<std::pair<int32_t, std::wstring>> records) {
      Item* item = collection->items().add(name, collection->items().nextId());
      collection->items().setNextId(item->id() + 1);
      item->setDateAdded(added);
      for (auto& [tagId, value] : records) item->records().set(tagId, value);
    };
    Collection* shirts = wardrobe.collections().add(L"Shirts");
    shirts->tags().add(L"Color");
    shirts->tags().add(L"Size");
    addItem(shirts, L"Red Shirt", {{1001, L"Dark Red"}, {1002, L"M"}});
    addItem(shirts, L"Blue T-shirt", {{1001, L"Navy  blue"}, {1002, L"12"}});
    Collection* accessories = wardrobe.collections().add(L"Accessoires d\u2019\u00E9t\u00E9");
    accessories->tags().add(L"Co lor");
    addItem(accessories, L"\u00C9charpe & <rouge>", {{1001, L"red"}});
    addItem(accessories, L"Belt", {});
    EXPECT_TRUE(writeWardrobe(wardrobe));
    file = toUtf8(wardrobe.wardrobeFilePath());
  }

  test::TempDir dir;
  std::string file;
};

TEST_F(SearchCommandTest, PrintsTermsAndResultsInTheEnginesOrder) {
  const CliRun run = runCli({"search", file, "red"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json expected = json::parse(R"({
    "terms": [{"kind": "AnyField", "value": "red", "tag_key": "", "exact": false}],
    "results": [
      {"collection": "Shirts", "item_id": 1, "name": "Red Shirt",
       "name_markup": "<color bg=#FFEB64>Red</color>&nbsp;Shirt",
       "detail_markup": "<color fg=#828A99>Color: </color>Dark&nbsp;<color bg=#FFEB64>Red</color>"},
      {"collection": "Accessoires d\u2019\u00e9t\u00e9", "item_id": 1, "name": "\u00c9charpe & <rouge>",
       "name_markup": "\u00c9charpe&nbsp;&amp;&nbsp;&lt;rouge&gt;",
       "detail_markup": "<color fg=#828A99>Co&nbsp;lor: </color><color bg=#FFEB64>red</color>"}
    ]})");
  EXPECT_EQ(json::parse(run.out), expected);
  EXPECT_EQ(run.err, "");
}

TEST_F(SearchCommandTest, ReportsEveryTermKindAndSearchesOneCollection) {
  CliRun run = runCli({"search", file, "COLOR:=\"navy blue\" itemname:shirt \"T-Shirt\" size:"});
  ASSERT_EQ(run.status, 0) << run.err;
  json out = json::parse(run.out);
  EXPECT_EQ(out["terms"], json::parse(R"([
    {"kind": "TagValue", "value": "navy blue", "tag_key": "color", "exact": true},
    {"kind": "ItemName", "value": "shirt", "tag_key": "", "exact": false},
    {"kind": "AnyField", "value": "t-shirt", "tag_key": "", "exact": false},
    {"kind": "AnyField", "value": "size", "tag_key": "", "exact": false}])"));
  ASSERT_EQ(out["results"].size(), 0u);  // no value holds "size"

  run = runCli({"search", "--collection", "Accessoires d\xE2\x80\x99\xC3\xA9t\xC3\xA9", file, "color:red"});
  ASSERT_EQ(run.status, 0) << run.err;
  out = json::parse(run.out);
  ASSERT_EQ(out["results"].size(), 1u);
  EXPECT_EQ(out["results"][0]["name"],
            "\xC3\x89"
            "charpe & <rouge>");

  run = runCli({"search", file, "--collection", "Shirts", "shirt"});
  ASSERT_EQ(run.status, 0) << run.err;
  out = json::parse(run.out);
  ASSERT_EQ(out["results"].size(), 2u);
  EXPECT_EQ(out["results"][1]["name"], "Blue T-shirt");
  EXPECT_EQ(out["results"][1]["detail_markup"], "<color fg=#828A99>Size: </color>12");
}

TEST_F(SearchCommandTest, QueriesWithoutTermsPrintEmptyLists) {
  for (const char* query : {"", "   ", ":red", "\"\""}) {
    const CliRun run = runCli({"search", file, query});
    EXPECT_EQ(run.status, 0) << query;
    EXPECT_EQ(json::parse(run.out), json::parse(R"({"terms": [], "results": []})")) << query;
  }
}

TEST_F(SearchCommandTest, RefusesUnreadableFilesUnknownCollectionsAndBadUsage) {
  test::writeFile(dir / L"broken.twd", "<?xml version=\"1.0\"?><nothing");
  for (const std::string& bad : {toUtf8(dir / L"missing.twd"), toUtf8(dir / L"broken.twd"), toUtf8(dir.path())}) {
    const CliRun run = runCli({"search", bad, "red"});
    EXPECT_EQ(run.status, 1) << bad;
    EXPECT_EQ(run.out, "") << bad;
    EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }

  CliRun run = runCli({"search", file, "--collection", "shirts", "red"});  // names are exact
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("\"shirts\""), std::string::npos) << run.err;

  EXPECT_EQ(runCli({"search", file}).status, 2);
  EXPECT_EQ(runCli({"search"}).status, 2);
  EXPECT_EQ(runCli({"search", file, "a", "b"}).status, 2);
  run = runCli({"search", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("--collection"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
