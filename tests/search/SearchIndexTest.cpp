// Scans that read the packed texts of an index find exactly what scans of
// the model's own texts find: every kind of term, one-byte and wide texts,
// case folding beyond ASCII, white space of every kind, values of deleted
// tags, narrowing, and an index kept from scan to scan.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SearchFixture.h"
#include "SearchWardrobes.h"
#include "platform/Utf8.h"
#include "search/QueryParser.h"
#include "search/SearchIndex.h"
#include "search/SearchScan.h"

namespace tavoro {
namespace {

std::vector<Item*> scan(Collection& scope, const std::wstring& query, SearchIndex* index, unsigned threads = 1,
                        const std::vector<Item*>* within = nullptr) {
  ScanOptions options;
  options.threads = threads;
  options.within = within;
  options.index = index;
  const ScanResult result = scanItems(scope, parseQuery(query), options);
  EXPECT_TRUE(result.complete);
  return result.items;
}

// Each query over every scope, with the index made by the first scan and
// reused by the others; narrowed scans too.
void expectSameAsPlain(Wardrobe& wardrobe, const std::vector<std::wstring>& queries, int expectFound) {
  SearchIndex index;
  int found = 0;
  std::vector<Collection*> scopes = {wardrobe.collections().allCollections()};
  for (const auto& collection : wardrobe.collections().collections()) scopes.push_back(collection.get());
  for (Collection* scope : scopes) {
    for (const std::wstring& query : queries) {
      const std::vector<Item*> plain = scan(*scope, query, nullptr);
      found += plain.empty() ? 0 : 1;
      EXPECT_EQ(scan(*scope, query, &index, 2), plain) << toUtf8(scope->name()) << ": " << toUtf8(query);
      const std::wstring shorter = query.substr(0, query.size() - 1);
      if (shorter.empty() || !narrows(parseQuery(query), parseQuery(shorter))) continue;
      const std::vector<Item*> previous = scan(*scope, shorter, &index);
      EXPECT_EQ(scan(*scope, query, &index, 2, &previous), plain) << toUtf8(shorter) << " -> " << toUtf8(query);
    }
  }
  EXPECT_GE(found, expectFound);
}

TEST(SearchIndexTest, FindsWhatThePlainScanFindsInGeneratedWardrobes) {
  Wardrobe wardrobe;
  test::addSearchCollections(wardrobe, 4, 5000);
  expectSameAsPlain(wardrobe, test::searchTestQueries(), 60);
}

TEST(SearchIndexTest, FindsWhatThePlainScanFindsBeyondAscii) {
  Wardrobe wardrobe;
  // Only characters up to U+00FF (texts kept a byte each) ...
  test::addCollection(wardrobe, L"Latin", {L"Colour", L"Size"},
                      {{L"\u00C4RMEL Jacke", {{1001, L"Dark\u00A0 Red"}, {1002, L"  XL\t"}}},
                       {L"\u00C9t\u00E9 dress", {{1001, L"bleu-\u00C9T\u00C9"}, {1002, L"   "}}},
                       {L"Stra\u00DFe\tcoat", {{1002, L"12"}, {1001, L"red"}}},
                       // a value of a deleted tag, and one of no tag: kept, not searched
                       {L"ghost", {{1999, L"phantom"}, {-1, L"hidden"}, {1001, L"Navy"}}},
                       {L"", {{1001, L"dark red"}}}});
  // ... and texts beyond (kept wide), with case folding outside Latin-1.
  test::addCollection(wardrobe, L"Wide", {L"Colour", L"Size"},
                      {{L"\u03A3\u039F\u03A6\u0399\u0391 shirt", {{1001, L"\u0421\u0418\u041D\u0418\u0419"}}},
                       {L"\u00C4rmel\u2007wool", {{1001, L"Dark  Red"}, {1002, L"\u6D77 XL"}}},
                       {L"\u0130stanbul scarf", {{1002, L"m"}, {1999, L"phantom"}}}});
  const std::vector<std::wstring> queries = {
      L"\u00E4rmel",     L"rmel",          L"\u00E9t\u00E9",   L"t\u00E9",         L"stra\u00DFe",
      L"dark red",       L"\"dark red\"",  L"colour:=dark red", L"colour:=\"dark red\"", L"size:=xl",
      L"size:xl",        L"itemname:jacke", L"itemname:coat",  L"phantom",         L"hidden",
      L"navy",           L"\u03C3\u03BF\u03C6", L"\u03C6\u03B9\u03B1", L"\u0441\u0438\u043D", L"\u6D77",
      L"\u6D77 xl",      L"e",             L"-\u00E9t\u00E9",  L"12",              L"red xl",
      L"shade:red",      L"i\u0307stanbul", L"istanbul",       L"wool",            L"size:m"};
  expectSameAsPlain(wardrobe, queries, 25);
}

TEST(SearchIndexTest, RemakesTheTextsOfACollectionWhoseItemsChangedInNumberOrWereForgotten) {
  Wardrobe wardrobe;
  Collection* shop = test::addCollection(wardrobe, L"Shop", {L"Colour"}, {{L"red coat", {}}, {L"blue coat", {}}});
  SearchIndex index;
  EXPECT_EQ(scan(*shop, L"coat", &index).size(), 2u);
  Item* added = shop->items().add(L"red hat", 3);
  EXPECT_EQ(scan(*shop, L"red", &index), (std::vector<Item*>{shop->items().at(0), added}));
  added->setName(L"green hat");
  index.forget();
  EXPECT_EQ(scan(*shop, L"red", &index), (std::vector<Item*>{shop->items().at(0)}));
}

}  // namespace
}  // namespace tavoro
