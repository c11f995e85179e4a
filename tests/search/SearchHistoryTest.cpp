#include <gtest/gtest.h>

#include "search/SearchHistory.h"

namespace tavoro {
namespace {

using List = std::vector<std::wstring>;

TEST(SearchHistoryTest, RecordsRecentAndKnownSearches) {
  List recent;
  List known;
  bool autoSuggest = true;
  SearchHistory history(recent, known, autoSuggest);
  for (const wchar_t* text : {L"Red", L"blue", L"red", L"Blue"}) history.recordSearch(text);
  EXPECT_EQ(recent, (List{L"Blue", L"red", L"blue"}));
  EXPECT_EQ(known, (List{L"Blue", L"Red", L"blue", L"red"}));

  history.recordSearch(L"red");  // moves to the front, known once
  history.recordSearch(L"");     // not recorded
  EXPECT_EQ(recent, (List{L"red", L"Blue", L"blue"}));
  EXPECT_EQ(known, (List{L"Blue", L"Red", L"blue", L"red"}));

  // Sorted by UTF-16 code units: a character beyond U+FFFF sorts before
  // U+E000..U+FFFF, as its high surrogate does.
  history.recordSearch(L"\uFF21");
  history.recordSearch(L"\U0001F600");
  history.recordSearch(L"\u00E9");
  EXPECT_EQ(known, (List{L"Blue", L"Red", L"blue", L"red", L"\u00E9", L"\U0001F600", L"\uFF21"}));
}

TEST(SearchHistoryTest, KeepsAtMostThreeRecentSearches) {
  List recent = {L"a", L"b", L"c", L"d", L"e"};  // a longer list from the settings file
  List known;
  bool autoSuggest = true;
  SearchHistory history(recent, known, autoSuggest);
  history.recordSearch(L"x");
  EXPECT_EQ(recent, (List{L"x", L"a", L"b"}));
  history.recordSearch(L"b");
  EXPECT_EQ(recent, (List{L"b", L"x", L"a"}));
}

TEST(SearchHistoryTest, SuggestsKnownSearchesThatContinueTheText) {
  List recent = {L"robe", L"red"};
  List known = {L"Red", L"red", L"red dress", L"red shirt", L"red shoes", L"robe"};
  bool autoSuggest = true;
  const SearchHistory history(recent, known, autoSuggest);
  const std::vector<std::pair<std::wstring, List>> cases = {
      {L"", {L"robe", L"red"}},
      {L"r", {L"red", L"red dress", L"red shirt"}},
      {L"red", {L"red dress", L"red shirt", L"red shoes"}},
      {L"red s", {L"red shirt", L"red shoes"}},
      {L"R", {L"Red"}},
      {L"Red", {}},  // never the text itself
      {L"ro", {L"robe"}},
      {L"x", {}},
      {L"A", {}},
  };
  for (const auto& [text, suggestions] : cases)
    EXPECT_EQ(history.suggestionsFor(text), suggestions) << std::string(text.begin(), text.end());
}

TEST(SearchHistoryTest, ClearingAndTheOptionsMenu) {
  List recent;
  List known = {L"old"};
  bool autoSuggest = true;
  SearchHistory history(recent, known, autoSuggest);
  // "Clear History" is greyed while only known searches exist.
  EXPECT_FALSE(history.menuState().clearHistoryEnabled);
  EXPECT_TRUE(history.menuState().autoSuggestChecked);
  history.recordSearch(L"new");
  EXPECT_TRUE(history.menuState().clearHistoryEnabled);
  history.clearHistory();
  EXPECT_TRUE(recent.empty());
  EXPECT_TRUE(known.empty());
  EXPECT_TRUE(history.suggestionsFor(L"").empty());
  EXPECT_FALSE(history.menuState().clearHistoryEnabled);

  history.toggleAutoSuggest();
  EXPECT_FALSE(autoSuggest);  // the caller's switch
  EXPECT_FALSE(history.menuState().autoSuggestChecked);
  history.recordSearch(L"still recorded");
  EXPECT_EQ(recent, (List{L"still recorded"}));
  history.toggleAutoSuggest();
  EXPECT_TRUE(history.autoSuggest());
}

}  // namespace
}  // namespace tavoro
