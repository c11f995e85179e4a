#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "platform/Utf8.h"
#include "search/HighlightRanges.h"
#include "search/MarkupParser.h"
#include "search/MarkupText.h"

namespace tavoro {
namespace {

TEST(MarkupTextTest, EscapesAndUnescapes) {
  const std::vector<std::pair<std::wstring, std::wstring>> cases = {
      {L"", L""},
      {L"Red Shirt", L"Red&nbsp;Shirt"},
      {L"Tom & \"Jerry\" <1>", L"Tom&nbsp;&amp;&nbsp;&quot;Jerry&quot;&nbsp;&lt;1&gt;"},
      {L"a\nb", L"a<br>b"},
      {L"&amp; <br> &nbsp;", L"&amp;amp;&nbsp;&lt;br&gt;&nbsp;&amp;nbsp;"},
      {L"\u00A0\t\u4E2D", L"\u00A0\t\u4E2D"},  // only U+0020 becomes "&nbsp;"
  };
  for (const auto& [text, escaped] : cases) {
    EXPECT_EQ(escapeMarkupText(text), escaped) << toUtf8(text);
    EXPECT_EQ(unescapeMarkupText(escaped), text) << toUtf8(escaped);
  }
  // Unescaping goes once over the text: what it yields is not read again.
  EXPECT_EQ(unescapeMarkupText(L"&amp;lt;&lt;br&gt;&bogus;&amp"), L"&lt;<br>&bogus;&amp");
}

TEST(HighlightRangesTest, JoinsOverlappingAndNeighbouringSpans) {
  struct Step {
    MatchSpan span;
    bool afterMatch;
  };
  const std::wstring text = L"dark  red\tcoat x";  // 16 characters
  const std::vector<std::pair<std::vector<Step>, std::vector<MatchSpan>>> cases = {
      {{{{0, 4}, false}, {{2, 9}, false}}, {{0, 9}}},            // overlap extends
      {{{{0, 4}, false}, {{4, 9}, false}}, {{0, 9}}},            // starts right at the end
      {{{{0, 4}, true}, {{6, 9}, true}}, {{0, 9}}},              // only white space between
      {{{{0, 4}, true}, {{6, 9}, false}}, {{0, 4}, {6, 9}}},     // the previous term did not match
      {{{{0, 4}, true}, {{10, 14}, true}}, {{0, 4}, {10, 14}}},  // "red" stands between
      {{{{6, 9}, true}, {{0, 4}, true}}, {{6, 9}, {0, 4}}},      // out of order: kept apart
      {{{{6, 9}, false}, {{7, 8}, false}}, {{6, 9}}},            // inside
      // Spans that are not a non-empty part of the text are ignored.
      {{{{16, 17}, false}, {{0, 17}, false}, {{3, 3}, false}, {{0, 0}, false}, {{5, 2}, false}}, {}},
  };
  for (const auto& [steps, ranges] : cases) {
    HighlightRanges highlight(text);
    for (const Step& step : steps) highlight.add(step.span, step.afterMatch);
    EXPECT_EQ(highlight.ranges(), ranges) << "first span " << steps.front().span.start;
  }
  HighlightRanges lineFeed(L"a\nb c");
  lineFeed.add({0, 3}, false);
  EXPECT_EQ(lineFeed.markup(), L"<color bg=#FFEB64>a</color><br><color bg=#FFEB64>b</color>&nbsp;c");
}

class HighlightTest : public ::testing::Test {
 protected:
  HighlightTest() {
    clothes = test::addCollection(wardrobe, L"Clothes", {L"Color", L"Size", L"Note"},
                                  {
                                      {L"Red Shirt", {{1001, L"Dark Red"}, {1002, L"M"}}},
                                      {L"Tom & Jerry <1>", {{1002, L"L"}, {1001, L"blue"}, {1099, L"x"}}},
                                      {L"Bare", {{-1, L"x"}, {1003, L""}}},
                                      {L"Lined", {{1003, L"dark\nred lining"}}},
                                  });
    engine.setScope(wardrobe.collections().allCollections());
  }

  SearchResult row(const std::wstring& query, size_t item) {
    EXPECT_TRUE(engine.parse(query));
    SearchResult result{clothes->items().at(item), {}, {}};
    EXPECT_TRUE(engine.rowMarkup(result));
    return result;
  }

  Wardrobe wardrobe{L"/nonexistent/w", L"W"};
  Collection* clothes = nullptr;
  SearchEngine engine;
};

TEST_F(HighlightTest, MarksNamesWithJoinedStretches) {
  const std::vector<std::pair<std::wstring, std::wstring>> cases = {
      {L"red shirt", L"<color bg=#FFEB64>Red&nbsp;Shirt</color>"},
      {L"shirt red", L"<color bg=#FFEB64>Red</color>&nbsp;<color bg=#FFEB64>Shirt</color>"},
      {L"\"red shirt\"", L"<color bg=#FFEB64>Red&nbsp;Shirt</color>"},
      {L"itemname:shi", L"Red&nbsp;<color bg=#FFEB64>Shi</color>rt"},
      {L"color:red", L"Red&nbsp;Shirt"},  // tag terms do not mark names
      // A skipped term does not break the joining of its neighbours.
      {L"red color:dark shirt", L"<color bg=#FFEB64>Red&nbsp;Shirt</color>"},
      {L"red nothing shirt", L"<color bg=#FFEB64>Red</color>&nbsp;<color bg=#FFEB64>Shirt</color>"},
      {L"red red", L"<color bg=#FFEB64>Red</color>&nbsp;Shirt"},
  };
  for (const auto& [query, markup] : cases) EXPECT_EQ(row(query, 0).nameMarkup, markup) << toUtf8(query);
  EXPECT_EQ(row(L"jerry", 1).nameMarkup, L"Tom&nbsp;&amp;&nbsp;<color bg=#FFEB64>Jerry</color>&nbsp;&lt;1&gt;");
}

TEST_F(HighlightTest, DetailLineShowsTheLastMatchingOrElseTheLastValidValue) {
  // "Dark Red" matched; "M" comes later in stored order but did not.
  EXPECT_EQ(row(L"red", 0).detailMarkup, L"<color fg=#828A99>Color: </color>Dark&nbsp;<color bg=#FFEB64>Red</color>");
  // Matched by name only: the last valid value, plain.
  EXPECT_EQ(row(L"shirt", 0).detailMarkup, L"<color fg=#828A99>Size: </color>M");
  // The record of a tag that does not exist is skipped.
  EXPECT_EQ(row(L"tom", 1).detailMarkup, L"<color fg=#828A99>Color: </color>blue");
  EXPECT_EQ(row(L"l", 1).detailMarkup, L"<color fg=#828A99>Size: </color><color bg=#FFEB64>L</color>");
  // Tag terms mark values (of any tag); item-name terms do not.
  EXPECT_EQ(row(L"itemname:red size:m", 0).detailMarkup,
            L"<color fg=#828A99>Size: </color><color bg=#FFEB64>M</color>");
  EXPECT_EQ(row(L"itemname:m", 0).detailMarkup, L"<color fg=#828A99>Size: </color>M");
  // Without a valid value the detail line is empty.
  EXPECT_EQ(row(L"bare", 2).detailMarkup, L"");
  // A line feed never stands inside an element.
  EXPECT_EQ(row(L"dark red", 3).detailMarkup,
            L"<color fg=#828A99>Note: </color><color bg=#FFEB64>dark</color><br>"
            L"<color bg=#FFEB64>red</color>&nbsp;lining");
}

TEST_F(HighlightTest, RowMarkupNeedsScopeTermsAndItem) {
  SearchResult result{clothes->items().at(0), L"keep", L"keep"};
  EXPECT_FALSE(engine.rowMarkup(result));  // no terms yet
  ASSERT_TRUE(engine.parse(L"red"));
  SearchResult noItem{nullptr, L"keep", L"keep"};
  EXPECT_FALSE(engine.rowMarkup(noItem));
  EXPECT_EQ(noItem.nameMarkup, L"keep");
  engine.reset();
  EXPECT_FALSE(engine.rowMarkup(result));
  EXPECT_EQ(result.detailMarkup, L"keep");
}

TEST_F(HighlightTest, TagValueMarkupForTheTagPane) {
  ASSERT_TRUE(engine.parse(L"itemname:blue navy"));
  EXPECT_EQ(engine.tagValueMarkup(L"Navy blue", L"Color"), L"<color bg=#FFEB64>Navy</color>&nbsp;blue");
  EXPECT_EQ(engine.tagValueMarkup(L"Navy blue", L""), L"");
  EXPECT_EQ(engine.tagValueMarkup(L"", L"Color"), L"");
  EXPECT_EQ(engine.tagValueMarkup(L"Plain <b>", L"Color"), L"Plain&nbsp;&lt;b&gt;");
}

TEST_F(HighlightTest, MarkupParsesBackIntoTheTextWithItsStretches) {
  // Whatever the text, the engine's markup splits into runs that spell the
  // text again, each matched character on the highlight background.
  const std::vector<std::pair<std::wstring, std::wstring>> cases = {
      {L"Red \"Shirt\" & <co>\n red", L"red shirt co"},
      {L"a\n\nred\n", L"red"},
      {L"<color bg=#FFEB64>red</color>", L"red color"},
      {L"  Red  &nbsp; red  ", L"red"},
  };
  const MarkupStyle plain{{0, 0, 0}, {255, 255, 255}, false};
  for (const auto& [text, query] : cases) {
    ASSERT_TRUE(engine.parse(query));
    std::wstring spelled;
    size_t marked = 0;
    for (const MarkupRun& run : parseMarkup(engine.highlight(text, TermKind::TagValue), plain)) {
      const std::wstring runText = unescapeMarkupText(run.text);
      spelled += runText;
      if (run.opaque) {
        EXPECT_EQ(run.backColor, (Rgb{255, 235, 100}));
        for (wchar_t c : runText) marked += c != L' ' ? 1 : 0;
      }
    }
    EXPECT_EQ(spelled, text) << toUtf8(text);
    EXPECT_GT(marked, 0u) << toUtf8(text);
  }
}

}  // namespace
}  // namespace tavoro
