// Reading prices as people type them, and refusing what is not one.
#include <gtest/gtest.h>

#include "insights/PriceText.h"
#include "platform/Utf8.h"

namespace tavoro {
namespace {

TEST(PriceTextTest, ReadsAmountsWithSignsCodesAndEitherDecimalMark) {
  const struct {
    const wchar_t* text;
    int64_t cents;
  } cases[] = {
      {L"12", 1200},          {L"12.50", 1250},     {L"\u20AC 12,50", 1250}, {L"12 EUR", 1200},
      {L"$12", 1200},         {L"12.5", 1250},      {L" 0,99 ", 99},         {L"12,50\u20AC", 1250},
      {L"\u00A37.05", 705},   {L"chf 30", 3000},    {L"USD\u00A012", 1200},  {L"0", 0},
      {L"999999999999.99", 99999999999999},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(toUtf8(c.text));
    int64_t cents = -1;
    EXPECT_TRUE(parsePrice(c.text, cents));
    EXPECT_EQ(cents, c.cents);
  }
}

TEST(PriceTextTest, RefusesWhatIsNotAPrice) {
  for (const wchar_t* text : {L"", L"   ", L"twelve", L"12 euros", L"-12", L"1,000.50", L"1.000", L"12.", L".50",
                              L"$12 USD", L"\u20AC\u20AC12", L"12 kg", L"about 12", L"12/15", L"1 2",
                              L"1234567890123"}) {
    SCOPED_TRACE(toUtf8(text));
    int64_t cents = -1;
    EXPECT_FALSE(parsePrice(text, cents));
    EXPECT_EQ(cents, 0);
  }
}

}  // namespace
}  // namespace tavoro
