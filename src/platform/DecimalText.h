// Strict reading of a signed 32-bit decimal integer from text. Thread-safe.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavoro {

// An optional leading "+" or "-", then decimal digits and nothing else; a sign
// alone reads as 0. Fails (false, out = 0) on empty text, any other character,
// or a value outside the signed 32-bit range.
bool parseDecimalInt(std::wstring_view text, int32_t& out);

}  // namespace tavoro
