#include <gtest/gtest.h>

#include "platform/Utf8.h"
#include "search/QueryParser.h"

namespace tavoro {
namespace {

using Tokens = std::vector<std::wstring>;

TEST(QueryParserTest, TokenizesByTheTermGrammar) {
  const std::vector<std::pair<std::wstring, Tokens>> cases = {
      {L"", {}},
      {L" \t ", {}},
      {L"Red  Shirt", {L"red", L"shirt"}},
      {L"a\tb\u3000c", {L"a", L"b", L"c"}},
      {L"a\u200Bb", {L"a\u200Bb"}},  // zero-width space is not white space
      // A name and its value form one token only when nothing stands between.
      {L"color:red", {L"color:red"}},
      {L"Color:=Red", {L"color:=red"}},
      {L"color:\"Dark   Red\" shirt", {L"color:\"dark red\"", L"shirt"}},
      {L"color:\"dark red", {L"color:\"dark red"}},  // an unclosed quote runs to the end
      {L"a:b:c a:=b=c", {L"a:b:c", L"a:=b=c"}},      // an unquoted value may hold ":" and "="
      {L"color:red\"x\"", {L"color:red", L"\"x"}},   // ... and ends at a double quote
      {L"red\"shirt\"", {L"red", L"\"shirt"}},
      // Where the rest cannot begin a term, tokenizing stops for good.
      {L"color: red", {L"color"}},
      {L"color:\"\" shirt", {L"color"}},
      {L"size:", {L"size"}},
      {L":red", {}},
      {L"red :blue green", {L"red"}},
      {L"a=b c", {L"a"}},
      {L"a\u00A0:b", {L"a"}},
      // Quoted phrases: trimmed; an empty one yields nothing and scanning goes on.
      {L"\"dark red", {L"\"dark red"}},
      {L"\"  Dark   Red \" shirt", {L"\"dark red", L"shirt"}},
      {L"\"\" shirt \"   \" coat", {L"shirt", L"coat"}},
      {L"itemname:=red shirt", {L"itemname:=red", L"shirt"}},
      {L"\u0416:\u0411", {L"\u0436:\u0431"}},
  };
  for (const auto& [query, tokens] : cases) EXPECT_EQ(tokenizeQuery(query), tokens) << toUtf8(query);
}

struct TokenCase {
  std::wstring token;
  bool parses;
  SearchTerm term;
};

TEST(QueryParserTest, ParsesTokensIntoTerms) {
  using enum TermKind;
  const std::vector<TokenCase> cases = {
      {L"red", true, {AnyField, L"red", L"", false}},
      {L"\"dark red", true, {AnyField, L"dark red", L"", false}},
      {L"color:red", true, {TagValue, L"red", L"color", false}},
      {L"color:=red", true, {TagValue, L"red", L"color", true}},
      {L"color:\"dark red\"", true, {TagValue, L"dark red", L"color", false}},
      {L"color:=\" dark red \"", true, {TagValue, L"dark red", L"color", true}},
      {L"color:\"dark red", true, {TagValue, L"dark red", L"color", false}},
      {L"color:\" \"", true, {TagValue, L"", L"color", false}},
      {L"a:b:c", true, {TagValue, L"b:c", L"a", false}},
      {L"itemname:red", true, {ItemName, L"red", L"", false}},
      {L"itemname:=\"red shirt\"", true, {ItemName, L"red shirt", L"", true}},
      {L"", false, {}},
      {L":red", false, {}},
      {L"red shirt", false, {}},  // a token is one whole match of the pattern
      {L"a=b", false, {}},
      {L"a\u00A0b", false, {}},
  };
  for (const TokenCase& c : cases) {
    // A filled term must come back reset, whatever the token.
    SearchTerm term{TagValue, L"old", L"oldkey", true};
    EXPECT_EQ(parseToken(c.token, term), c.parses) << toUtf8(c.token);
    EXPECT_EQ(term, c.term) << toUtf8(c.token);
  }
}

TEST(QueryParserTest, ParsesQueriesInOrderJoinedByAnd) {
  using enum TermKind;
  using Terms = std::vector<SearchTerm>;
  EXPECT_EQ(parseQuery(L"itemname:=red shirt"),
            (Terms{{ItemName, L"red", L"", true}, {AnyField, L"shirt", L"", false}}));
  EXPECT_EQ(parseQuery(L"itemname:=\"Red Shirt\""), (Terms{{ItemName, L"red shirt", L"", true}}));
  EXPECT_EQ(parseQuery(L"ItemName:X"), (Terms{{ItemName, L"x", L"", false}}));
  EXPECT_EQ(parseQuery(L"Color:Red \"Dark  Blue\" 12"), (Terms{{TagValue, L"red", L"color", false},
                                                               {AnyField, L"dark blue", L"", false},
                                                               {AnyField, L"12", L"", false}}));
  EXPECT_EQ(parseQuery(L"size:"), (Terms{{AnyField, L"size", L"", false}}));
  EXPECT_EQ(parseQuery(L"red :blue"), (Terms{{AnyField, L"red", L"", false}}));
  EXPECT_TRUE(parseQuery(L":red").empty());
  EXPECT_TRUE(parseQuery(L"   ").empty());
}

}  // namespace
}  // namespace tavoro
