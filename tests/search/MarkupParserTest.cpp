#include <gtest/gtest.h>

#include "platform/Utf8.h"
#include "search/MarkupParser.h"

namespace tavoro {
namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kYellow{255, 235, 100};
const MarkupStyle kDefaults{kBlack, kWhite, false};

MarkupRun plain(std::wstring text) {
  return {std::move(text), kBlack, kWhite, false};
}

TEST(MarkupParserTest, SplitsElementsIntoColouredRuns) {
  using Runs = std::vector<MarkupRun>;
  const std::vector<std::pair<std::wstring, Runs>> cases = {
      {L"", {}},
      {L"Red&nbsp;Shirt", {plain(L"Red&nbsp;Shirt")}},
      {L"x<color bg=#FFEB64>Red</color>y<color fg=#828A99>Size: </color>",
       {plain(L"x"), {L"Red", kBlack, kYellow, true}, plain(L"y"), {L"Size: ", {130, 138, 153}, kWhite, false}}},
      {L"<color fg=#FF0000 bg=#00ff00>x</color>", {{L"x", {255, 0, 0}, {0, 255, 0}, true}}},
      {L"<color bg=#00FF00 bg=#0000FF>x</color>", {{L"x", kBlack, {0, 0, 255}, true}}},  // the second wins
      {L"<color>x</color>", {{L"x", kBlack, kWhite, false}}},
      {L"<color\tfg=#010203\u00A0 >x</color>", {{L"x", {1, 2, 3}, kWhite, false}}},
      {L"<color bg=#FFEB64>a</color><color bg=#FFEB64>b</color>",
       {{L"a", kBlack, kYellow, true}, {L"b", kBlack, kYellow, true}}},
  };
  for (const auto& [markup, runs] : cases) EXPECT_EQ(parseMarkup(markup, kDefaults), runs) << toUtf8(markup);

  const MarkupStyle opaqueGrey{{1, 1, 1}, {9, 9, 9}, true};
  EXPECT_EQ(parseMarkup(L"a<color fg=#FFFFFF>b</color>", opaqueGrey),
            (Runs{{L"a", {1, 1, 1}, {9, 9, 9}, true}, {L"b", kWhite, {9, 9, 9}, true}}));
}

TEST(MarkupParserTest, MalformedElementsStayLiteral) {
  for (const std::wstring markup : {
           L"<color bg=#FFEB64></color>",             // no text
           L"<color bg=#FFEB6>x</color>",             // five digits
           L"<color bg=#FFEB645>x</color>",           // seven digits
           L"<color bg=#GGEB64>x</color>",            // not hexadecimal
           L"<color bg=#\uFF11\uFF12EB64>x</color>",  // full-width digits are not hexadecimal digits
           L"<color xg=#FFEB64>x</color>",            // neither fg nor bg
           L"<color bg=#FFEB64>a<br>b</color>",       // "<" inside
           L"<color bg=#FFEB64>abc",                  // never closed
           L"<colorbg=#FFEB64>x</color>",             // no white space before the attribute
           L"<Color bg=#FFEB64>x</color>",            // case matters
           L"<color fg=#000000 bg=#000000 fg=#000000>x</color>",
       }) {
    EXPECT_EQ(parseMarkup(markup, kDefaults), (std::vector<MarkupRun>{plain(markup)})) << toUtf8(markup);
  }
  // A malformed element before a good one is plain text up to it.
  EXPECT_EQ(parseMarkup(L"<color bg=#12>a</color>z<color bg=#FFEB64>b</color>", kDefaults),
            (std::vector<MarkupRun>{plain(L"<color bg=#12>a</color>z"), {L"b", kBlack, kYellow, true}}));
}

TEST(MarkupParserTest, ReadsColoursOfSixHexadecimalDigits) {
  const std::vector<std::pair<std::wstring, Rgb>> cases = {
      {L"FFEB64", kYellow},    {L"#828a99", {130, 138, 153}},
      {L"#000001", {0, 0, 1}}, {L"", kBlack},
      {L"#", kBlack},          {L"FFEB6", kBlack},
      {L"#FFEB645", kBlack},   {L"##FFEB6", kBlack},
      {L"FFEB6G", kBlack},     {L"FF EB64", kBlack},
      {L"FFEB64#", kBlack},
  };
  for (const auto& [text, rgb] : cases) EXPECT_EQ(parseMarkupColor(text), rgb) << toUtf8(text);
}

}  // namespace
}  // namespace tavoro
