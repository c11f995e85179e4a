// Finding items by wear: "worn:never" and "worn:>Nd" as terms of the query
// language, counted back from an injected today, combinable with the other
// terms; any other value of "worn:" stays a tag's.
#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "platform/Utf8.h"
#include "search/QueryParser.h"
#include "search/SearchScan.h"

namespace tavoro {
namespace {

class FixedClock : public LocalClock {
 public:
  SystemTime read() const override { return SystemTime{2024, 6, 5, 30, 12, 0, 0, 0}; }  // 30 June 2024
};

TEST(WornTermTest, OnlyNeverAndDaysMakeATermOfWear) {
  struct Case {
    const wchar_t* token;
    TermKind kind;
    int32_t days;
  };
  using enum TermKind;
  const Case cases[] = {
      {L"worn:never", Worn, SearchTerm::kNeverWorn},
      {L"worn:>30d", Worn, 30},
      {L"worn:>0d", Worn, 0},
      {L"worn:>0365d", Worn, 365},
      // A tag really named "worn" keeps every other value.
      {L"worn:>30", TagValue, SearchTerm::kNeverWorn},
      {L"worn:>d", TagValue, SearchTerm::kNeverWorn},
      {L"worn:>-3d", TagValue, SearchTerm::kNeverWorn},
      {L"worn:>+3d", TagValue, SearchTerm::kNeverWorn},
      {L"worn:>99999999999d", TagValue, SearchTerm::kNeverWorn},
      {L"worn:=never", TagValue, SearchTerm::kNeverWorn},
      {L"worn:\"never\"", TagValue, SearchTerm::kNeverWorn},
      {L"worn:nevermore", TagValue, SearchTerm::kNeverWorn},
      {L"wornout:never", TagValue, SearchTerm::kNeverWorn},
      {L"worn", AnyField, SearchTerm::kNeverWorn},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.token));
    SearchTerm term;
    ASSERT_TRUE(parseToken(c.token, term));
    EXPECT_EQ(term.kind, c.kind);
    EXPECT_EQ(term.wornDays, c.days);
  }
  // The query is lowered first: any case works.
  ASSERT_EQ(parseQuery(L"Worn:NEVER Worn:>7D").size(), 2u);
  EXPECT_EQ(parseQuery(L"Worn:NEVER Worn:>7D")[1].wornDays, 7);
}

TEST(WornTermTest, FindsByTheLastDayWornCombinedWithTheOtherTerms) {
  Wardrobe wardrobe;
  Collection* tops = test::addCollection(wardrobe, L"Tops", {L"Worn"},
                                         {{L"never shirt", {{1001, L"often"}}},
                                          {L"recent shirt", {}},
                                          {L"old shirt", {{1001, L"never"}}},
                                          {L"edge blouse", {}},
                                          {L"future blouse", {}}});
  const Date today = Date::fromParts(2024, 6, 30);
  tops->items().at(1)->worn().assign({today.addDays(-90), today.addDays(-10)});
  tops->items().at(2)->worn().assign({today.addDays(-31)});
  tops->items().at(3)->worn().assign({today.addDays(-30)});  // exactly 30 days ago: not more than 30
  tops->items().at(4)->worn().assign({today.addDays(3)});
  const FixedClock clock;
  SearchEngine engine;
  engine.setClock(clock);
  engine.setScope(wardrobe.collections().allCollections());
  struct Case {
    const wchar_t* query;
    std::vector<std::wstring> found;
  };
  const Case cases[] = {
      {L"worn:never", {L"Tops/never shirt"}},
      {L"worn:>30d", {L"Tops/never shirt", L"Tops/old shirt"}},
      {L"worn:>29d", {L"Tops/never shirt", L"Tops/old shirt", L"Tops/edge blouse"}},
      {L"worn:>5d", {L"Tops/never shirt", L"Tops/recent shirt", L"Tops/old shirt", L"Tops/edge blouse"}},
      {L"worn:>30d shirt", {L"Tops/never shirt", L"Tops/old shirt"}},
      {L"worn:>30d worn:never", {L"Tops/never shirt"}},
      {L"worn:>30d blouse", {}},
      {L"worn:often", {L"Tops/never shirt"}},  // the tag named "Worn"
      {L"never", {L"Tops/never shirt", L"Tops/old shirt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(toUtf8(c.query));
    ASSERT_TRUE(engine.parse(c.query));
    ASSERT_TRUE(engine.run());
    EXPECT_EQ(test::resultNames(engine), c.found);
  }
  // A term of wear highlights nothing: the name is shown as it is.
  ASSERT_TRUE(engine.parse(L"worn:never"));
  ASSERT_TRUE(engine.run());
  SearchResult& result = engine.results().at(0);
  ASSERT_TRUE(engine.rowMarkup(result));
  EXPECT_EQ(result.nameMarkup, L"never&nbsp;shirt");
}

TEST(WornTermTest, MoreDaysNarrowFewerAndNeverNarrowsAll) {
  struct Case {
    const wchar_t* query;
    const wchar_t* previous;
    bool narrows;
  };
  const Case cases[] = {
      {L"worn:>60d", L"worn:>30d", true},   {L"worn:>30d", L"worn:>60d", false},
      {L"worn:never", L"worn:>5d", true},   {L"worn:>5d", L"worn:never", false},
      {L"worn:>30d", L"worn:>3d", true},    {L"worn:>30d", L"worn:>30", false},  // that one was a tag's
      {L"worn:>30d red", L"worn:>30d", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(narrows(parseQuery(c.query), parseQuery(c.previous)), c.narrows)
        << toUtf8(c.previous) << " -> " << toUtf8(c.query);
}

}  // namespace
}  // namespace tavoro
