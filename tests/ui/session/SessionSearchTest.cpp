// Searching a wardrobe larger than the session searches at once: typed a
// key at a time, fast or slowly, and with changes made while a search runs
// on the search thread, the results are always what a plain scan of the
// wardrobe as it then is finds, in its order; the list of results follows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <algorithm>
#include <string>
#include <vector>

#include "SearchWardrobes.h"
#include "TestSession.h"
#include "TryWait.h"
#include "platform/Utf8.h"
#include "search/QueryParser.h"
#include "search/SearchScan.h"
#include "ui/common/QtText.h"
#include "ui/search/SearchResultList.h"
#include "wardrobe/Collection.h"

namespace tavoro::ui {
namespace {

class SessionSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // More items than are searched at once, in "All Collections".
    test::addSearchCollections(ts.wardrobe(), 4, 6000);
    ts.open();
    ASSERT_EQ(ts.session.currentCollection()->id(), 0);
  }

  // What the plain scan finds for text now; nothing for a query without terms.
  std::vector<Item*> plainScan(const std::wstring& text) {
    const std::vector<SearchTerm> terms = parseQuery(text);
    return terms.empty() ? std::vector<Item*>{} : scanItems(*ts.session.currentCollection(), terms).items;
  }
  std::vector<Item*> results() const {
    std::vector<Item*> items;
    for (const SearchResult& result : ts.session.results()) items.push_back(result.item);
    return items;
  }
  void waitForSearch() { TRY_VERIFY_WITH_TIMEOUT(!ts.session.searching(), 60000); }

  test::TestSession ts;
};

TEST_F(SessionSearchTest, TypedQueriesFindWhatAPlainScanFinds) {
  WardrobeSession& s = ts.session;
  int inBackground = 0;
  int shown = 0;
  const auto checkShown = [&] {
    ++shown;
    const std::vector<Item*> expected = plainScan(toWString(s.searchText()));
    const std::vector<Item*> now = results();
    ASSERT_LE(now.size(), expected.size());
    EXPECT_TRUE(std::equal(now.begin(), now.end(), expected.begin())) << toUtf8(toWString(s.searchText()));
  };
  QObject::connect(&s, &WardrobeSession::searchChanged, &s, checkShown);
  QObject::connect(&s, &WardrobeSession::searchResultsAdded, &s, checkShown);
  for (const std::wstring& query : test::searchTestQueries()) {
    // A key at a time, each search ending before the next key.
    for (size_t length = 1; length <= query.size(); ++length) {
      const std::wstring typed = query.substr(0, length);
      const uint64_t run = s.searchRun();
      s.search(toQString(typed));
      if (s.searching()) {
        ++inBackground;
        EXPECT_EQ(s.searchRun(), run) << "what is shown stays until the first results come";
      }
      waitForSearch();
      EXPECT_NE(s.searchRun(), run);
      EXPECT_TRUE(s.searchShown());
      EXPECT_EQ(results(), plainScan(typed)) << toUtf8(typed);
    }
    // Typed faster than the searches end: each key cancels the last search,
    // and what is shown is only ever the beginning of the shown text's results.
    s.search(QString());
    for (size_t length = 1; length <= query.size(); ++length) {
      s.search(toQString(query.substr(0, length)));
      QCoreApplication::processEvents();
    }
    waitForSearch();
    EXPECT_EQ(results(), plainScan(query)) << toUtf8(query) << ", typed fast";
  }
  EXPECT_GT(inBackground, 20);
  EXPECT_GE(shown, 2 * inBackground);
}

// Changes stop a running search, which runs again over the changed
// wardrobe; and results from before a change never narrow a later search.
TEST_F(SessionSearchTest, ChangesWhileSearchingAreFoundByTheSearch) {
  WardrobeSession& s = ts.session;
  Collection* first = ts.wardrobe().collections().at(0);
  Item* renamed = first->items().at(0);
  Item* valued = first->items().at(1);
  Item* deleted = first->items().at(2);

  s.search(QStringLiteral("redwood"));
  ASSERT_TRUE(s.searching());
  ASSERT_TRUE(s.renameItem(renamed, L"Redwood box"));
  ASSERT_TRUE(s.removeItems({deleted}));
  waitForSearch();
  EXPECT_EQ(results(), plainScan(L"redwood"));
  EXPECT_NE(std::find(results().begin(), results().end(), renamed), results().end());

  // "red" found everything "redwood" did; a value set since must be found
  // by "redwo" even though it narrows "red".
  s.search(QStringLiteral("red"));
  waitForSearch();
  ASSERT_TRUE(s.setValue(valued, first->tags().at(0), L"redwood"));
  s.search(QStringLiteral("redwo"));
  waitForSearch();
  EXPECT_EQ(results(), plainScan(L"redwo"));
  EXPECT_NE(std::find(results().begin(), results().end(), valued), results().end());

  // Undo stops a search too; closing stops it for good.
  s.search(QStringLiteral("blue"));
  s.history().undo();
  waitForSearch();
  EXPECT_EQ(results(), plainScan(L"blue"));
  s.search(QStringLiteral("navy"));
  s.close();
  EXPECT_FALSE(s.searching());
  EXPECT_TRUE(s.results().empty());
}

TEST_F(SessionSearchTest, TheResultListShowsEveryPieceAsItComes) {
  WardrobeSession& s = ts.session;
  SearchResultList list(s);
  QSignalSpy replaced(&s, &WardrobeSession::searchChanged);
  QSignalSpy added(&s, &WardrobeSession::searchResultsAdded);
  s.search(QStringLiteral("a"));
  waitForSearch();
  EXPECT_EQ(replaced.count(), 1);
  EXPECT_GT(added.count(), 0) << "24,000 items are searched in more than one piece";
  ASSERT_EQ(list.rowCount(), static_cast<int>(s.results().size()));
  for (int row = 0; row < list.rowCount(); ++row)
    ASSERT_EQ(list.resultRow(row)->item(), s.results()[static_cast<size_t>(row)].item) << row;
}

}  // namespace
}  // namespace tavoro::ui
