#include <gtest/gtest.h>

#include <boost/regex.hpp>

#include "platform/CharClass.h"
#include "platform/Utf8.h"
#include "search/SearchChars.h"
#include "search/TextNormalizer.h"

namespace tavoro {
namespace {

struct NormalCase {
  std::wstring text;
  std::wstring normal;
  std::vector<size_t> map;
};

TEST(TextNormalizerTest, CollapsesWhiteSpaceLowersAndMapsBack) {
  const std::vector<NormalCase> cases = {
      {L"", L"", {0}},
      {L" \t\n ", L"", {4}},
      {L"Red", L"red", {0, 1, 2, 3}},
      {L"  Red  Shirt  ", L"red shirt", {2, 3, 4, 5, 7, 8, 9, 10, 11, 14}},
      // A run of mixed white space becomes one space mapped to its first character.
      {L"a\t\u00A0\u2007\n\u3000b", L"a b", {0, 1, 6, 7}},
      {L"A\u0085\u202F\u2028B", L"a b", {0, 1, 4, 5}},
      // Zero-width space and the byte-order mark are not white space.
      {L"a\u200Bb\uFEFF", L"a\u200Bb\uFEFF", {0, 1, 2, 3, 4}},
      // Letters above U+00FF are lowered too; characters beyond the BMP pass.
      {L"\u0416\u0418\u0422 \u00C9T\u00C9", L"\u0436\u0438\u0442 \u00E9t\u00E9", {0, 1, 2, 3, 4, 5, 6, 7}},
      {L"\u4E2D\u6587  \U0001F600X", L"\u4E2D\u6587 \U0001F600x", {0, 1, 2, 4, 5, 6}},
      {L"\u00DF\u0130", L"\u00DF" + std::wstring(1, toLower(L'\u0130')), {0, 1, 2}},
  };
  for (const NormalCase& c : cases) {
    std::vector<size_t> map;
    EXPECT_EQ(normalizeText(c.text, &map), c.normal) << toUtf8(c.text);
    EXPECT_EQ(map, c.map) << toUtf8(c.text);
    EXPECT_EQ(map.size(), c.normal.size() + 1);
    EXPECT_EQ(normalizeText(c.text), c.normal);
  }
}

TEST(TextNormalizerTest, AgreesWithTheCharacterClassesForEveryBmpCharacter) {
  // The search's fast tables and its regular-expression white space must say
  // what platform/CharClass.h says, or the query grammar and the matcher
  // would disagree with tag keys and trimming.
  const boost::wregex space(L"[" + search::whiteSpaceClassPattern() + L"]");
  for (unsigned u = 0; u <= 0xFFFF; ++u) {
    const auto c = static_cast<wchar_t>(u);
    ASSERT_EQ(search::isSearchSpace(c), isSpace(c)) << std::hex << u;
    ASSERT_EQ(search::isSearchLetter(c), isLetter(c)) << std::hex << u;
    ASSERT_EQ(search::searchLower(c), toLower(c)) << std::hex << u;
    if (u >= 0xD800 && u <= 0xDFFF) continue;  // not characters
    const std::wstring one(1, c);
    ASSERT_EQ(boost::regex_match(one, space), isSpace(c)) << std::hex << u;
  }
}

TEST(TextNormalizerTest, ReusedBuffersHoldOnlyTheLatestText) {
  std::wstring out = L"left over";
  std::vector<size_t> map = {7, 7, 7};
  normalizeTextInto(L" Ab ", out, &map);
  EXPECT_EQ(out, L"ab");
  EXPECT_EQ(map, (std::vector<size_t>{1, 2, 4}));
  normalizeTextInto(L"X", out, nullptr);
  EXPECT_EQ(out, L"x");
}

}  // namespace
}  // namespace tavoro
