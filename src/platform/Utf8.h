// Conversion between the program's wide text and the UTF-8 of files and the OS.
// Thread-safe (pure functions).
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

// Never fails. A byte that is not part of a valid UTF-8 sequence becomes the
// code point U+DC00 + byte (a lone low surrogate), so that file names that are
// not valid UTF-8 still survive a round trip through toUtf8.
std::wstring fromUtf8(std::string_view bytes);

// Never fails. U+DC80..U+DCFF are written back as the single byte they stand
// for (see fromUtf8); any other surrogate or value above U+10FFFF becomes U+FFFD.
std::string toUtf8(std::wstring_view text);

// Appends the UTF-8 bytes of one code point below 0x200000 (1 to 4 bytes),
// without checking that it is a valid scalar value: callers decide that.
void appendUtf8(std::string& out, char32_t c);

}  // namespace tavoro
