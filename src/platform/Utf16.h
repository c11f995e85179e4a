// Ordering and measuring text as UTF-16 would, for rules that the wardrobe
// format and the search history define in UTF-16 code units. Thread-safe.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavoro {

// <0, 0 or >0 as a and b compare by UTF-16 code units: a character above
// U+FFFF sorts as its high surrogate (0xD800..0xDBFF), before U+E000..U+FFFF.
int compareUtf16(std::wstring_view a, std::wstring_view b);

// The number of UTF-16 code units the text takes.
size_t utf16Length(std::wstring_view text);

}  // namespace tavoro
