#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SearchFixture.h"
#include "SearchWardrobes.h"
#include "search/QueryParser.h"
#include "platform/Utf8.h"
#include "search/SearchScan.h"

namespace tavoro {
namespace {

// A wardrobe large enough that a scan is shared among threads.
class GeneratedWardrobe {
 public:
  GeneratedWardrobe() { test::addSearchCollections(m_wardrobe, 4, 5000); }
  Collection& all() { return *m_wardrobe.collections().allCollections(); }
  Collection& first() { return *m_wardrobe.collections().at(0); }

 private:
  Wardrobe m_wardrobe;
};

ScanResult scan(Collection& scope, const std::wstring& query, unsigned threads,
                const std::vector<Item*>* within = nullptr) {
  ScanOptions options;
  options.threads = threads;
  options.within = within;
  return scanItems(scope, parseQuery(query), options);
}

const std::vector<std::wstring>& kQueries = test::searchTestQueries();

TEST(SearchScanTest, SharedAmongThreadsFindsWhatOneThreadFinds) {
  GeneratedWardrobe wardrobe;
  for (Collection* scope : {&wardrobe.all(), &wardrobe.first()}) {
    for (const std::wstring& query : kQueries) {
      const ScanResult plain = scan(*scope, query, 1);
      const ScanResult shared = scan(*scope, query, 3);
      EXPECT_TRUE(plain.complete && shared.complete);
      EXPECT_EQ(shared.items, plain.items) << toUtf8(query);
    }
  }
}

// Each query against every shorter beginning of it: where the new terms
// narrow the old, testing only the old results finds what a full scan finds.
TEST(SearchScanTest, NarrowingToThePreviousResultsFindsWhatAFullScanFinds) {
  GeneratedWardrobe wardrobe;
  int narrowed = 0;
  for (const std::wstring& query : kQueries) {
    const ScanResult full = scan(wardrobe.all(), query, 1);
    for (size_t length = 1; length < query.size(); ++length) {
      const std::wstring before = query.substr(0, length);
      if (!narrows(parseQuery(query), parseQuery(before))) continue;
      ++narrowed;
      const ScanResult previous = scan(wardrobe.all(), before, 1);
      EXPECT_EQ(scan(wardrobe.all(), query, 2, &previous.items).items, full.items)
          << toUtf8(before) << " -> " << toUtf8(query);
    }
  }
  EXPECT_GT(narrowed, 40);
}

TEST(SearchScanTest, NarrowsOnlyWhatTheNewTermsImply) {
  struct Case {
    const wchar_t* query;
    const wchar_t* previous;
    bool narrows;
  };
  const std::vector<Case> cases = {
      {L"red", L"re", true},
      {L"red shirt", L"red s", true},
      {L"red shirt", L"red", true},
      {L"shirt red", L"red", true},  // any term may imply it
      {L"colour:red", L"colour:re", true},
      {L"red", L"red", true},
      {L"re", L"red", false},               // deleting widens
      {L"colour:red", L"re", false},        // another kind of term
      {L"size:red", L"colour:re", false},   // another tag
      {L"colour:=red", L"colour:=re", false},  // an exact value is the whole text
      {L"red", L"", false},                 // no terms before: nothing to narrow
  };
  for (const Case& c : cases)
    EXPECT_EQ(narrows(parseQuery(c.query), parseQuery(c.previous)), c.narrows)
        << toUtf8(c.previous) << " -> " << toUtf8(c.query);
}

TEST(SearchScanTest, TheEngineNarrowsOnlyWhenTheTermsAllowIt) {
  GeneratedWardrobe wardrobe;
  SearchEngine engine;
  engine.setScope(&wardrobe.all());
  ASSERT_TRUE(engine.parse(L"red"));
  ASSERT_TRUE(engine.run());
  std::vector<Item*> previous;
  for (const SearchResult& r : engine.results()) previous.push_back(r.item);
  const std::vector<SearchTerm> previousTerms = engine.terms();

  // "navy" does not narrow "red": all items are searched, not only the old results.
  ASSERT_TRUE(engine.parse(L"navy"));
  ASSERT_TRUE(engine.runWithin(previousTerms, &previous));
  const size_t within = engine.results().size();
  ASSERT_TRUE(engine.run());
  EXPECT_EQ(engine.results().size(), within);
  EXPECT_GT(within, 0u);
}

}  // namespace
}  // namespace tavoro
