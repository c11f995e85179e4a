#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "platform/Utf8.h"
#include "search/TextMatcher.h"
#include "search/TextNormalizer.h"

namespace tavoro {
namespace {

struct MatchCase {
  std::wstring text;
  std::wstring value;  // as the parser leaves it: normalised
  bool exact;
  std::optional<MatchSpan> span;  // none: no match
};

TEST(TextMatcherTest, MatchesWordStartsSubstringsAndWholeTexts) {
  const std::vector<MatchCase> cases = {
      // Word-start mode: a value that begins with a letter up to U+00FF.
      {L"Red Shirt", L"red", false, MatchSpan{0, 3}},
      {L"dark red", L"red", false, MatchSpan{5, 8}},
      {L"red-brown", L"red", false, MatchSpan{0, 3}},
      {L"T-shirt", L"shirt", false, MatchSpan{2, 7}},
      {L"1red", L"red", false, MatchSpan{1, 4}},
      {L"bordered", L"red", false, std::nullopt},
      {L"tshirt", L"shirt", false, std::nullopt},
      {L"bordered red", L"red", false, MatchSpan{9, 12}},  // passes over the mid-word one
      {L"\u00C4rmel", L"\u00E4rmel", false, MatchSpan{0, 5}},
      {L"Unter\u00E4rmel", L"\u00E4rmel", false, std::nullopt},
      {L"\u0448red", L"red", false, std::nullopt},  // after a Cyrillic letter
      // Substring mode: digits, punctuation, letters above U+00FF.
      {L"size 12", L"2", false, MatchSpan{6, 7}},
      {L"size 112", L"12", false, MatchSpan{6, 8}},
      {L"a-red", L"-red", false, MatchSpan{1, 5}},
      {L"\u041F\u043B\u0430\u0442\u044C\u0435 \u043A\u0440\u0430\u0441\u043D\u043E\u0435",
       L"\u0430\u0441\u043D\u043E\u0435", false, MatchSpan{9, 14}},
      {L"\u9ED2\u3044\u4E2D\u6587", L"\u4E2D", false, MatchSpan{2, 3}},
      // White space and case do not matter; spans point into the text as given.
      {L"Dark   Red coat", L"dark red", false, MatchSpan{0, 10}},
      {L"\tDARK\u00A0\u3000red\n", L"dark red", false, MatchSpan{1, 10}},
      {L"  Red  ", L"red", false, MatchSpan{2, 5}},  // trailing white space is not part of it
      {L"Red", L"red shirt", false, std::nullopt},
      {L"", L"red", false, std::nullopt},
      {L"red", L"", false, std::nullopt},
      // Exact: the whole normalised text.
      {L"  Red   Shirt\t", L"red shirt", true, MatchSpan{2, 13}},
      {L"Red", L"red", true, MatchSpan{0, 3}},
      {L"Red Shirts", L"red shirt", true, std::nullopt},
      {L"Dark Red", L"red", true, std::nullopt},
      {L" ", L"red", true, std::nullopt},
  };
  TextMatcher matcher;
  for (const MatchCase& c : cases) {
    const SearchTerm term{TermKind::AnyField, c.value, L"", c.exact};
    MatchSpan span{99, 99};
    const bool matched = matcher.match(c.text, term, &span);
    EXPECT_EQ(matched, c.span.has_value()) << toUtf8(c.text) << " / " << toUtf8(c.value);
    EXPECT_EQ(matcher.match(c.text, term), matched) << "without span: " << toUtf8(c.text);
    if (matched && c.span) {
      EXPECT_EQ(span.start, c.span->start) << toUtf8(c.text) << " / " << toUtf8(c.value);
      EXPECT_EQ(span.end, c.span->end) << toUtf8(c.text) << " / " << toUtf8(c.value);
    } else {
      EXPECT_EQ(span, (MatchSpan{99, 99})) << "a miss leaves the span alone";
    }
  }
}

// Asked only whether a term matches, the matcher reads the text as it is;
// asked for the span, it normalises the text first. Both must agree on
// every text: white space of several kinds and places, case, letters whose
// lower case is Latin-1 though they are not (the Kelvin sign, dotted I),
// and values taken from the texts themselves so that many of them match.
TEST(TextMatcherTest, MatchingWithoutSpanAgreesWithTheNormalisedText) {
  const std::wstring alphabet = L"aAbBrReEdD  \t\u00A0\u3000-1\u00C4\u00E4\u212A\u0130k\u0448i.";
  std::mt19937 random(7);
  const auto randomText = [&](size_t most) {
    std::wstring text(random() % (most + 1), L' ');
    for (wchar_t& c : text) c = alphabet[random() % alphabet.size()];
    return text;
  };
  TextMatcher matcher;
  int matches = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::wstring text = randomText(12);
    std::wstring value = normalizeText(round % 3 == 0 ? randomText(4) : text);
    if (!value.empty() && round % 3 != 0) {
      const size_t start = random() % value.size();
      value = value.substr(start, 1 + random() % (value.size() - start));
    }
    if (value.empty()) continue;
    for (const bool exact : {false, true}) {
      const SearchTerm term{TermKind::AnyField, value, L"", exact};
      MatchSpan span;
      const bool matched = matcher.match(text, term, &span);
      matches += matched ? 1 : 0;
      ASSERT_EQ(matcher.match(text, term), matched) << toUtf8(text) << " / " << toUtf8(value) << " exact " << exact;
    }
  }
  EXPECT_GT(matches, 2000);  // the rounds tried matches, not only misses
}

}  // namespace
}  // namespace tavoro
