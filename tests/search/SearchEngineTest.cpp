#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

using Names = std::vector<std::wstring>;

class SearchEngineTest : public ::testing::Test {
 protected:
  SearchEngineTest() {
    shirts = test::addCollection(wardrobe, L"Shirts", {L"Color", L"Size", L"Brand"},
                                 {
                                     {L"Red Shirt", {{1001, L"Dark Red"}, {1002, L"M"}}},
                                     {L"Blue T-shirt", {{1001, L"Navy blue"}, {1002, L"12"}}},
                                     {L"Bordered tee", {{1001, L"white"}}},
                                     // Values that do not count: an unknown tag, no tag, empty.
                                     {L"Plain", {{1099, L"red"}, {-1, L"red"}, {1003, L""}}},
                                 });
    shoes = test::addCollection(wardrobe, L"Shoes", {L"co lor", L"SIZE"},
                                {
                                    {L"Red shoes", {{1001, L"black"}}},
                                    {L"Boots", {{1002, L"112"}}},
                                });
    hats = test::addCollection(wardrobe, L"Hats", {}, {{L"Red cap", {}}});
  }

  Names search(Collection* scope, const std::wstring& query) {
    engine.setScope(scope);
    if (!engine.parse(query)) return {L"<no terms>"};
    EXPECT_TRUE(engine.run());
    return test::resultNames(engine);
  }

  Wardrobe wardrobe{L"/nonexistent/w", L"W"};
  Collection* shirts = nullptr;
  Collection* shoes = nullptr;
  Collection* hats = nullptr;
  SearchEngine engine;
};

TEST_F(SearchEngineTest, FindsItemsByEveryTermKind) {
  Collection* all = wardrobe.collections().allCollections();
  const std::vector<std::pair<std::wstring, Names>> cases = {
      // Any field: the name, then each tag value that still belongs to a tag.
      {L"red", {L"Shirts/Red Shirt", L"Shoes/Red shoes", L"Hats/Red cap"}},
      {L"RED", {L"Shirts/Red Shirt", L"Shoes/Red shoes", L"Hats/Red cap"}},
      {L"navy", {L"Shirts/Blue T-shirt"}},
      {L"shirt", {L"Shirts/Red Shirt", L"Shirts/Blue T-shirt"}},
      {L"12", {L"Shirts/Blue T-shirt", L"Shoes/Boots"}},
      {L"\"Dark   Red\"", {L"Shirts/Red Shirt"}},
      {L"black", {L"Shoes/Red shoes"}},
      // Every term must match.
      {L"red m", {L"Shirts/Red Shirt"}},
      {L"red boots", {}},
      // Item name only.
      {L"itemname:red", {L"Shirts/Red Shirt", L"Shoes/Red shoes", L"Hats/Red cap"}},
      {L"itemname:dark", {}},
      {L"itemname:=red", {}},
      {L"itemname:=\"RED  shirt\"", {L"Shirts/Red Shirt"}},
      // One tag, found by its key in each item's own collection.
      {L"color:red", {L"Shirts/Red Shirt"}},
      {L"COLOR:black", {L"Shoes/Red shoes"}},  // the tag is named "co lor" there
      {L"color:=\"dark red\"", {L"Shirts/Red Shirt"}},
      {L"color:=red", {}},
      {L"size:12", {L"Shirts/Blue T-shirt", L"Shoes/Boots"}},
      {L"size:m", {L"Shirts/Red Shirt"}},
      {L"brand:x", {}},
      {L"fabric:red", {}},  // no collection has the tag
  };
  for (const auto& [query, names] : cases) EXPECT_EQ(search(all, query), names) << toUtf8(query);
}

TEST_F(SearchEngineTest, ScopeAndOrderOfResults) {
  EXPECT_EQ(search(shoes, L"red"), (Names{L"Shoes/Red shoes"}));
  EXPECT_EQ(search(hats, L"color:red"), Names{});
  // "All Collections" follows the collections' list order.
  ASSERT_TRUE(wardrobe.collections().reorder({hats, shoes, shirts}));
  EXPECT_EQ(search(wardrobe.collections().allCollections(), L"red"),
            (Names{L"Hats/Red cap", L"Shoes/Red shoes", L"Shirts/Red Shirt"}));
}

TEST_F(SearchEngineTest, ParseAndRunNeedAScopeAndTerms) {
  EXPECT_FALSE(engine.parse(L"red"));  // no scope
  EXPECT_TRUE(engine.terms().empty());
  EXPECT_FALSE(engine.run());

  engine.setScope(shirts);
  ASSERT_TRUE(engine.parse(L"red"));
  EXPECT_FALSE(engine.parse(L""));  // the previous terms stay
  ASSERT_EQ(engine.terms().size(), 1u);
  ASSERT_TRUE(engine.run());
  EXPECT_EQ(engine.results().size(), 1u);
  EXPECT_TRUE(engine.parse(L"nothing"));
  EXPECT_TRUE(engine.run());  // nothing found is still a run
  EXPECT_TRUE(engine.results().empty());

  EXPECT_FALSE(engine.parse(L"  :red"));  // a query without terms leaves none
  EXPECT_TRUE(engine.terms().empty());
  ASSERT_TRUE(engine.parse(L"red"));
  ASSERT_TRUE(engine.run());
  engine.reset();  // forgets scope and terms, keeps the results
  EXPECT_EQ(engine.scope(), nullptr);
  EXPECT_TRUE(engine.terms().empty());
  EXPECT_EQ(engine.results().size(), 1u);
  EXPECT_FALSE(engine.run());
  EXPECT_TRUE(engine.results().empty());

  Wardrobe empty(L"/nonexistent/e", L"E");
  engine.setScope(empty.collections().allCollections());
  ASSERT_TRUE(engine.parse(L"red"));
  EXPECT_FALSE(engine.run());  // "All Collections" of a wardrobe without collections
}

TEST_F(SearchEngineTest, DeletedTagsAndSharedKeysFollowTheModel) {
  Collection* all = wardrobe.collections().allCollections();
  ASSERT_TRUE(shirts->tags().remove(shirts->tags().findById(1001)));
  // The records stay in memory but are no longer found.
  EXPECT_EQ(search(all, L"navy"), Names{});
  EXPECT_EQ(search(all, L"color:red"), Names{});
  EXPECT_EQ(search(all, L"color:black"), (Names{L"Shoes/Red shoes"}));

  // Two tags with one key: the first in tag order is the one searched.
  Collection* coats = test::addCollection(wardrobe, L"Coats", {L"Color", L"color"},
                                          {{L"Trench", {{1002, L"beige"}}}, {L"Parka", {{1001, L"beige"}}}});
  EXPECT_EQ(search(coats, L"color:beige"), (Names{L"Coats/Parka"}));
  EXPECT_EQ(search(coats, L"beige"), (Names{L"Coats/Trench", L"Coats/Parka"}));
}

}  // namespace
}  // namespace tavoro
