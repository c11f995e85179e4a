// Reading a price out of a tag value as people type them: "12", "12.50",
// "€ 12,50", "12 EUR", "$12". Thread-safe.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavoro {

// A non-negative amount with at most two decimals (a point or a comma),
// with at most one currency mark before or after it: a currency sign ("$",
// "€", "£", ...) or a code of three letters ("EUR"), blanks allowed between.
// Anything else fails (false, cents = 0), never guessed: words, negative
// amounts, thousands separators ("1,000" might be one or a thousand), three
// decimals, two currencies, empty text.
bool parsePrice(std::wstring_view text, int64_t& cents);

}  // namespace tavoro
