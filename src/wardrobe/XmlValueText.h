// The wide text of an attribute value and the UTF-8 bytes the XML files hold
// for it. Every character is stored faithfully, also the control characters
// that XML 1.0 does not allow in a document at all, not even as character
// references (U+0000 to U+001F except tab, line feed and carriage return):
// each is stored as the noncharacter U+FDD0 plus its code (U+0001 as U+FDD1),
// which XML allows and Unicode keeps for a program's internal use, so that
// the file stays well-formed for every XML tool and reads back the same here.
// Thread-safe (pure functions).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavoro {

// The first of the 32 noncharacters that stand for U+0000..U+001F.
inline constexpr char32_t kControlStandIn = 0xFDD0;

// For writing: UTF-8 with each forbidden control character replaced by its
// stand-in. A lone surrogate (a byte of a file name that was not UTF-8) and a
// stand-in that was already in the text become U+FFFD: neither can be stored
// so that it reads back as itself.
std::string toXmlValue(std::wstring_view text);

// For reading: the bytes as UTF-8, each byte that is not part of UTF-8 read
// as U+FFFD, and each stand-in read as the control character it stands for.
std::wstring fromXmlValue(std::string_view bytes);

// An integer attribute as the library reads "%d": blanks, an optional sign,
// at least one digit; what follows is ignored ("7a" reads as 7). A number
// beyond 32 bits fails rather than wrapping to a different id. out is left
// unchanged on failure.
bool readXmlInt(std::string_view text, int32_t& out);

}  // namespace tavoro
