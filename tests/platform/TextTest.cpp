#include <gtest/gtest.h>

#include "platform/CharClass.h"
#include "platform/DecimalText.h"
#include "platform/Placeholder.h"
#include "platform/Utf16.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

TEST(Utf8Test, RoundTripsEveryPlaneAndKeepsInvalidBytes) {
  const std::wstring text = L"a\u00E9\u4E2D\U0001F600&<\"";
  EXPECT_EQ(toUtf8(text), "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80&<\"");
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);

  // Bytes that are not UTF-8 (a Latin-1 file name, a cut sequence, an
  // overlong form, an encoded surrogate) survive the round trip unchanged.
  for (const std::string bytes : {"caf\xE9", "\xE4\xB8", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "x\xFF"}) {
    const std::wstring wide = fromUtf8(bytes);
    EXPECT_EQ(toUtf8(wide), bytes) << "bytes of length " << bytes.size();
  }
  EXPECT_EQ(fromUtf8("caf\xE9"), std::wstring(L"caf") + static_cast<wchar_t>(0xDCE9));
  // A lone surrogate that does not stand for a byte becomes U+FFFD.
  EXPECT_EQ(toUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}

TEST(CharClassTest, WhiteSpaceIsUnicodeWhiteSpace) {
  for (int c : {0x20, 0x09, 0x0A, 0x0D, 0x85, 0xA0, 0x1680, 0x2000, 0x2007, 0x2028, 0x202F, 0x205F, 0x3000})
    EXPECT_TRUE(isSpace(static_cast<wchar_t>(c))) << std::hex << static_cast<int>(c);
  for (wchar_t c : {L'\u200B', L'\uFEFF', L'a', L'_', L'\u4E2D'})
    EXPECT_FALSE(isSpace(c)) << std::hex << static_cast<int>(c);
}

TEST(CharClassTest, LettersAndLoweringBeyondAscii) {
  EXPECT_TRUE(isLetter(L'A'));
  EXPECT_TRUE(isLetter(0x416));   // Cyrillic Zhe
  EXPECT_TRUE(isLetter(0x4E2D));  // a CJK ideograph
  EXPECT_FALSE(isLetter(L'-'));
  EXPECT_FALSE(isLetter(L'7'));
  EXPECT_EQ(toLower(L"Red SHIRT \u00C4\u0416\u03A3"), L"red shirt \u00E4\u0436\u03C3");
  EXPECT_EQ(trimSpace(L"\u00A0 \t name x \u3000"), L"name x");
  EXPECT_EQ(trimSpace(L" \t "), L"");
}

TEST(Utf16Test, OrdersByCodeUnits) {
  EXPECT_LT(compareUtf16(L"Blue", L"blue"), 0);  // upper case first
  EXPECT_LT(compareUtf16(L"red", L"red dress"), 0);
  EXPECT_EQ(compareUtf16(L"same", L"same"), 0);
  // U+1F600 is D83D DE00 in UTF-16, which sorts before U+FF01 but after U+D7FF.
  EXPECT_LT(compareUtf16(L"\U0001F600", L"\uFF01"), 0);
  EXPECT_GT(compareUtf16(L"\U0001F600", L"\uD7FF"), 0);
  EXPECT_LT(compareUtf16(L"\U0001F600", L"\U0001F601"), 0);
  EXPECT_EQ(utf16Length(L"a\U0001F600b"), 4u);
}

TEST(PlaceholderTest, ReplacesOnlyTheFirstNumberedPlaceholder) {
  struct Case {
    const wchar_t* format;
    const wchar_t* text;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"My Wardrobe %1", L"7", L"My Wardrobe 7"},
      {L" - [%1]", L"Summer", L" - [Summer]"},
      {L"%12 and %2", L"x", L"x and %2"},
      {L"100% cotton %1", L"x", L"100% cotton x"},
      {L"no placeholder", L"x", L"no placeholder"},
      {L"trailing %", L"x", L"trailing %"},
      {L"^%1 (\\d+)$", L"My Wardrobe", L"^My Wardrobe (\\d+)$"},
  };
  for (const Case& c : cases) EXPECT_EQ(formatPlaceholder(c.format, c.text), c.expected) << c.format;
  EXPECT_EQ(formatPlaceholder(L"%1 files", -25), L"-25 files");
}

TEST(DecimalTextTest, ReadsStrictSigned32BitIntegers) {
  struct Case {
    const wchar_t* text;
    bool ok;
    int32_t value;
  };
  const Case cases[] = {
      {L"0", true, 0},           {L"42", true, 42},          {L"+7", true, 7},
      {L"-7", true, -7},         {L"-", true, 0},            {L"+", true, 0},
      {L"007", true, 7},         {L"2147483647", true, INT32_MAX}, {L"-2147483648", true, INT32_MIN},
      {L"2147483648", false, 0}, {L"-2147483649", false, 0}, {L"99999999999", false, 0},
      {L"", false, 0},           {L"7a", false, 0},          {L" 7", false, 0},
      {L"1.5", false, 0},        {L"--1", false, 0},         {L"\u0663", false, 0},
  };
  for (const Case& c : cases) {
    int32_t value = 99;
    EXPECT_EQ(parseDecimalInt(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

}  // namespace
}  // namespace tavoro
